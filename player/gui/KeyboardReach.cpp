// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/KeyboardReach.h"

#include "gui/WindowSystem.h"
#include "gui/frmMain.h"
#include "gui/frmPlayer.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QShortcutEvent>
#include <QLabel>

#include <functional>

namespace {

// The middle of the focused control when it is in window, else of window.
QPoint menuPosition(QWidget& window)
{
    QWidget* focus = QApplication::focusWidget();
    QWidget* anchor = focus && focus->window() == &window ? focus : &window;
    return anchor->mapToGlobal(anchor->rect().center());
}

// The Menu key and Shift+F10 in window: the shortcut's own event pops the
// menu up, next to the control that has the focus.
class MenuKeys : public QAction {
public:
    MenuKeys(QWidget& window, QMenu* menu, QAction* defaultItem)
        : QAction(&window)
        , m_window(window)
        , m_menu(menu)
        , m_defaultItem(defaultItem)
    {
        setShortcuts({ QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10) });
        setShortcutContext(Qt::WindowShortcut);
        window.addAction(this);
    }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::Shortcut
            || static_cast<QShortcutEvent*>(event)->isAmbiguous())
            return QAction::event(event);
        WindowSystem::current().popupMenuAt(m_menu, m_defaultItem, menuPosition(m_window));
        return true;
    }

private:
    // The action goes with the window, which never outlives the main window
    // and its menu.
    QWidget& m_window;
    QMenu* m_menu;
    QAction* m_defaultItem;
};

// Space or Enter on a focused widget that only reacts to clicks does what a
// click does.
class ClickByKey : public QObject {
public:
    ClickByKey(QWidget* widget, std::function<void()> click)
        : QObject(widget)
        , m_click(std::move(click))
    {
        widget->setFocusPolicy(Qt::TabFocus);
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        if (key->key() != Qt::Key_Space && key->key() != Qt::Key_Return
            && key->key() != Qt::Key_Enter)
            return false;
        m_click();
        return true;
    }

private:
    std::function<void()> m_click;
};

// A dotted frame in the text's colour while the label has the focus, which
// only Tab gives it; its look is otherwise unchanged.
void frameOnFocus(QLabel& label)
{
    const QString own = label.styleSheet();
    if (own.contains(QLatin1Char('{')))
        return;
    label.setStyleSheet(QStringLiteral("QLabel { %1 } QLabel:focus { border: 1px dotted; }").arg(own));
}

} // namespace

namespace KeyboardReach {

void apply(frmMain& main)
{
    new MenuKeys(main, main.mnuBar, main.mnuShortcut[1]);
    new ClickByKey(main.lblTime, [&main] { Q_EMIT main.timeModeToggled(); });
    frameOnFocus(*main.lblTime);
}

void apply(frmPlayer& video, frmMain& main)
{
    new MenuKeys(video, main.mnuBar, main.mnuShortcut[1]);
}

} // namespace KeyboardReach
