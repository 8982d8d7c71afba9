// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "GestionFrame.h"

#include <sarv/Gestion.h>
#include <sarv/MessageSink.h>

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace sarv {

GestionFrame::GestionFrame(const QList<Variateur*>& selection, QWidget* parent)
    : QDialog(parent)
    , m_page(new Gestion(this))
    , m_buttons(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this))
    , m_first(selection.isEmpty() ? nullptr : selection.first())
{
    setWindowTitle(QStringLiteral("Propriétés du Variateur"));
    m_page->setMinimumSize(m_page->size());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_page);
    layout->addWidget(m_buttons);
    m_page->SelectionChanged(selection);

    QPushButton* applyButton = m_buttons->button(QDialogButtonBox::Apply);
    applyButton->setEnabled(m_page->Changed());
    connect(m_page, &Gestion::changedChanged, applyButton, &QPushButton::setEnabled);
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    connect(m_buttons, &QDialogButtonBox::accepted, this, [this] {
        if (apply())
            accept();
    });
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

bool GestionFrame::apply()
{
    Variateur* slider = m_first.data();
    QStringList names;
    QMetaObject::Connection recording;
    if (slider) {
        recording = connect(slider, &Variateur::propertyChanged, this,
                            [&names](const QString& name) { names << name; });
    }
    const Status status = m_page->ApplyChanges();
    disconnect(recording);
    if (slider && !names.isEmpty())
        Q_EMIT propertiesApplied(slider, names);
    if (!status) {
        MessageSink::current().showMessage(this, status.error(), QStringLiteral("Erreur"),
                                           MessageSink::Icon::Error);
        return false;
    }
    return true;
}

} // namespace sarv
