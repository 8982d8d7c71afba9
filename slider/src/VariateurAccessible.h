// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QAccessibleWidget>

namespace sarv {

class Variateur;

// What assistive technology sees of a Variateur: a slider named by the
// widget's accessibleName, with its value, range and step, and actions to
// move it a step up or down. With the control's accessible property off it
// is a plain widget, as any unknown widget is.
class VariateurAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit VariateurAccessible(Variateur* slider);

    // The factory the library installs: this interface for a Variateur, and
    // nothing for other classes (a subclass keeps its own interface if it
    // has one).
    static QAccessibleInterface* create(const QString& className, QObject* object);
    // Installs the factory once per application; every new control calls it.
    static void install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::Role role() const override;
    QString text(QAccessible::Text type) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    Variateur* slider() const;
    bool isSlider() const;
};

} // namespace sarv
