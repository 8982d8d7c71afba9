// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QPointer>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionFactory>

class QAction;

namespace sarv {
class Variateur;
}

// The entry of a slider's context menu in Designer that opens the property
// page Gestion on it. What the page applies is written through the form's
// cursor, so that Designer records it in the form and can undo it.
class VariateurTaskMenu : public QObject, public QDesignerTaskMenuExtension {
    Q_OBJECT
    Q_INTERFACES(QDesignerTaskMenuExtension)
public:
    VariateurTaskMenu(sarv::Variateur* slider, QObject* parent);

    QAction* preferredEditAction() const override;
    QList<QAction*> taskActions() const override;

private:
    void openGestion();

    QPointer<sarv::Variateur> m_slider;
    QAction* m_openGestion = nullptr;
};

// Gives the task menu to every slider of a form.
class VariateurTaskMenuFactory : public QExtensionFactory {
    Q_OBJECT
public:
    explicit VariateurTaskMenuFactory(QExtensionManager* parent = nullptr);

protected:
    QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;
};
