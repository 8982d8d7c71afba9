#pragma once

#include <sarv/Status.h>
#include <sarv/sarv_export.h>

#include <QList>
#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace sarv {

class Variateur;

// The property page "Gestion" of Variateur: edits Min, Max, Value, Border,
// DegradeMode and ButtonWidth of the first selected slider. A host shows it and
// calls SelectionChanged when the selection changes and ApplyChanges when the
// user confirms; the page writes through the slider's setters, in a fixed
// order, so that their checks, messages and events apply.
class SARV_EXPORT Gestion : public QWidget {
    Q_OBJECT
public:
    // Builds the page and fills its two lists (the Initialize step).
    explicit Gestion(QWidget* parent = nullptr);

    // Loads the fields from the first slider of selected.
    void SelectionChanged(const QList<Variateur*>& selected);
    // Writes the fields to the first selected slider: Border, Value, Max, Min,
    // ButtonWidth, DegradeMode. A text that is not a 16-bit whole number, or a
    // setter that fails, stops there with the error; earlier steps stay applied.
    Status ApplyChanges();

    // Set by every edit of the user; the host enables its Apply button on it.
    bool Changed() const { return m_changed; }
    void setChanged(bool changed);

    QLabel* lblMin = nullptr;
    QLineEdit* txtMin = nullptr;
    QLabel* lblMax = nullptr;
    QLineEdit* txtMax = nullptr;
    QLabel* lblValue = nullptr;
    QLineEdit* txtValue = nullptr;
    QCheckBox* chkBorder = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* CbDegradeMode = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* CbEB = nullptr;

Q_SIGNALS:
    void changedChanged(bool changed);

private:
    void markChanged();

    QList<QPointer<Variateur>> m_selected;
    bool m_changed = false;
};

} // namespace sarv
