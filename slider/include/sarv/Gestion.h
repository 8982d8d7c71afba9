// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <sarv/Status.h>
#include <sarv/Variateur.h>
#include <sarv/sarv_export.h>

#include <QList>
#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace sarv {

class GestionPrivate;

// The property page "Gestion" of Variateur: edits Min, Max, Value, Border,
// DegradeMode and ButtonWidth of the first selected slider. A host shows it and
// calls SelectionChanged when the selection changes and ApplyChanges when the
// user confirms; the page writes through the slider's setters, in a fixed
// order, so that their checks, messages and events apply. Both are invocable
// by name, for hosts that open the page through createControl("Sarv.Gestion").
class SARV_EXPORT Gestion : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Changed READ Changed WRITE setChanged NOTIFY changedChanged)
    Q_CLASSINFO("ClassName", "Sarv.Gestion")
public:
    // Builds the page and fills its two lists (the Initialize step).
    explicit Gestion(QWidget* parent = nullptr);
    ~Gestion() override;

    // Loads the fields from the first slider of selected.
    Q_INVOKABLE void SelectionChanged(const QList<sarv::Variateur*>& selected);
    // Writes the fields to the first selected slider: Border, Value, Max, Min,
    // ButtonWidth, DegradeMode. A text that is not a 16-bit whole number, or a
    // setter that fails, stops there with the error; earlier steps stay applied.
    Q_INVOKABLE sarv::Status ApplyChanges();

    // Set by every edit of the user; the host enables its Apply button on it.
    bool Changed() const;
    void setChanged(bool changed);

    // The page's controls, under their published names.
    QLabel* lblMin() const;
    QLineEdit* txtMin() const;
    QLabel* lblMax() const;
    QLineEdit* txtMax() const;
    QLabel* lblValue() const;
    QLineEdit* txtValue() const;
    QCheckBox* chkBorder() const;
    QLabel* Label1() const;
    QComboBox* CbDegradeMode() const;
    QLabel* Label2() const;
    QComboBox* CbEB() const;

Q_SIGNALS:
    void changedChanged(bool changed);

private:
    friend class GestionPrivate;
    const std::unique_ptr<GestionPrivate> d;
};

} // namespace sarv
