// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "VariateurAccessible.h"

#include "VariateurPrivate.h"

#include <QKeySequence>

namespace sarv {

VariateurAccessible::VariateurAccessible(Variateur* slider)
    : QAccessibleWidget(slider, QAccessible::Slider)
{
}

QAccessibleInterface* VariateurAccessible::create(const QString& className, QObject* object)
{
    if (className != QLatin1String(Variateur::staticMetaObject.className()))
        return nullptr;
    if (auto* slider = qobject_cast<Variateur*>(object))
        return new VariateurAccessible(slider);
    return nullptr;
}

void VariateurAccessible::install()
{
    // Qt keeps each factory once and forgets them all with the application,
    // so a later application gets it again from its first control.
    QAccessible::installFactory(&VariateurAccessible::create);
}

Variateur* VariateurAccessible::slider() const
{
    return static_cast<Variateur*>(widget());
}

bool VariateurAccessible::isSlider() const
{
    return slider()->isAccessible();
}

void* VariateurAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface && isSlider())
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::Role VariateurAccessible::role() const
{
    return isSlider() ? QAccessible::Slider : QAccessible::Client;
}

QString VariateurAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value && isSlider())
        return QString::number(slider()->Value());
    return QAccessibleWidget::text(type);
}

QVariant VariateurAccessible::currentValue() const
{
    return int(slider()->Value());
}

// A value set by assistive technology arrives as a key press would.
void VariateurAccessible::setCurrentValue(const QVariant& value)
{
    bool ok = false;
    const int target = value.toInt(&ok);
    if (ok && isSlider())
        VariateurPrivate::get(slider())->stepTo(target);
}

QVariant VariateurAccessible::maximumValue() const
{
    return int(slider()->Max());
}

QVariant VariateurAccessible::minimumValue() const
{
    return int(slider()->Min());
}

QVariant VariateurAccessible::minimumStepSize() const
{
    return 1;
}

QStringList VariateurAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (isSlider())
        names << increaseAction() << decreaseAction();
    return names;
}

void VariateurAccessible::doAction(const QString& actionName)
{
    VariateurPrivate* d = VariateurPrivate::get(slider());
    if (isSlider() && actionName == increaseAction())
        d->stepTo(d->value + 1);
    else if (isSlider() && actionName == decreaseAction())
        d->stepTo(d->value - 1);
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList VariateurAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (isSlider() && actionName == increaseAction())
        return { QKeySequence(Qt::Key_Right).toString(QKeySequence::NativeText) };
    if (isSlider() && actionName == decreaseAction())
        return { QKeySequence(Qt::Key_Left).toString(QKeySequence::NativeText) };
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

} // namespace sarv
