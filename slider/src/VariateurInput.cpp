// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#include "VariateurInput.h"

#include "VariateurPrivate.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace sarv {

std::optional<int> keyTarget(int key, Qt::KeyboardModifiers modifiers, int min, int max, int value,
                             int pageStep)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        return value - 1;
    case Qt::Key_Right:
    case Qt::Key_Up:
        return value + 1;
    case Qt::Key_PageDown:
        return value - pageStep;
    case Qt::Key_PageUp:
        return value + pageStep;
    case Qt::Key_Home:
        return min;
    case Qt::Key_End:
        return max;
    default:
        return std::nullopt;
    }
}

VariateurInput::VariateurInput(Variateur* slider)
    : m_slider(slider)
{
    slider->installEventFilter(this);
}

bool VariateurInput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_slider)
        return false;
    VariateurPrivate* d = VariateurPrivate::get(m_slider);
    switch (event->type()) {
    case QEvent::FocusIn: {
        // The frame shows where the keyboard is; a click shows it by itself.
        // Focus coming back with the window keeps what it was.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
            || reason == Qt::ShortcutFocusReason)
            d->keyboardFocus = true;
        else if (reason == Qt::MouseFocusReason)
            d->keyboardFocus = false;
        m_slider->update();
        break;
    }
    case QEvent::FocusOut:
        m_slider->update();
        break;
    case QEvent::KeyPress: {
        if (!d->accessible)
            break;
        auto* key = static_cast<QKeyEvent*>(event);
        const auto target
            = keyTarget(key->key(), key->modifiers(), d->min, d->max, d->value, d->effectivePageStep());
        if (!target)
            break;
        key->accept();
        if (!d->keyboardFocus) {
            d->keyboardFocus = true;
            m_slider->update();
        }
        d->stepTo(*target);
        return true;
    }
    default:
        break;
    }
    return false;
}

} // namespace sarv
