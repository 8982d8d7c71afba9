// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "VariateurTaskMenu.h"

#include "GestionFrame.h"

#include <sarv/Variateur.h>

#include <QAction>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QExtensionManager>

VariateurTaskMenu::VariateurTaskMenu(sarv::Variateur* slider, QObject* parent)
    : QObject(parent)
    , m_slider(slider)
    , m_openGestion(new QAction(QStringLiteral("Gestion..."), this))
{
    m_openGestion->setObjectName(QStringLiteral("openGestion"));
    m_openGestion->setToolTip(QStringLiteral("Ouvre la page de propriétés Gestion du Variateur"));
    connect(m_openGestion, &QAction::triggered, this, &VariateurTaskMenu::openGestion);
}

QAction* VariateurTaskMenu::preferredEditAction() const
{
    return m_openGestion;
}

QList<QAction*> VariateurTaskMenu::taskActions() const
{
    return { m_openGestion };
}

void VariateurTaskMenu::openGestion()
{
    if (!m_slider)
        return;
    // Window-modal without a nested event loop: Designer keeps running.
    auto* frame = new sarv::GestionFrame({ m_slider.data() }, m_slider->window());
    frame->setAttribute(Qt::WA_DeleteOnClose);
    connect(frame, &sarv::GestionFrame::propertiesApplied, frame,
            [](sarv::Variateur* slider, const QStringList& names) {
                QDesignerFormWindowInterface* form
                    = QDesignerFormWindowInterface::findFormWindow(slider);
                if (!form)
                    return;
                for (const QString& name : names) {
                    form->cursor()->setWidgetProperty(slider, name,
                                                      slider->property(name.toLatin1()));
                }
            });
    frame->open();
}

VariateurTaskMenuFactory::VariateurTaskMenuFactory(QExtensionManager* parent)
    : QExtensionFactory(parent)
{
}

QObject* VariateurTaskMenuFactory::createExtension(QObject* object, const QString& iid,
                                                   QObject* parent) const
{
    if (iid != QLatin1String(Q_TYPEID(QDesignerTaskMenuExtension)))
        return nullptr;
    if (auto* slider = qobject_cast<sarv::Variateur*>(object))
        return new VariateurTaskMenu(slider, parent);
    return nullptr;
}
