// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <sarv/Variateur.h>

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QStringList>

class QDialogButtonBox;

namespace sarv {

class Gestion;

// The frame a host puts around the property page Gestion: the page with OK,
// Apply and Cancel. Apply is enabled by the page's changed flag; Apply and OK
// write the page to the selection, and OK closes the frame only when that
// worked. A conversion error (a text that is not a 16-bit number) goes to the
// library's MessageSink and the frame stays open.
class GestionFrame : public QDialog {
    Q_OBJECT
public:
    explicit GestionFrame(const QList<Variateur*>& selection, QWidget* parent = nullptr);

    Gestion* page() const { return m_page; }
    QDialogButtonBox* buttons() const { return m_buttons; }

    // Writes the page to the selection: true when every step was accepted.
    bool apply();

Q_SIGNALS:
    // After an Apply: the properties of slider its setters notified, in order.
    void propertiesApplied(sarv::Variateur* slider, const QStringList& names);

private:
    Gestion* m_page = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    QPointer<Variateur> m_first;
};

} // namespace sarv
