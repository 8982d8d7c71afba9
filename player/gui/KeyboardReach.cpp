// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/KeyboardReach.h"

#include "gui/WindowSystem.h"
#include "gui/frmMain.h"
#include "gui/frmPlayer.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
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

void installMenuKeys(QWidget& window, QMenu* menu, QAction* defaultItem)
{
    auto* open = new QAction(&window);
    open->setShortcuts({ QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10) });
    open->setShortcutContext(Qt::WindowShortcut);
    window.addAction(open);
    // The connection goes with the window, which never outlives the main window.
    QObject::connect(open, &QAction::triggered, &window, [&window, menu, defaultItem] {
        WindowSystem::current().popupMenuAt(menu, defaultItem, menuPosition(window));
    });
}

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
    installMenuKeys(main, main.mnuBar, main.mnuShortcut[1]);
    new ClickByKey(main.lblTime, [&main] { Q_EMIT main.timeModeToggled(); });
    frameOnFocus(*main.lblTime);
}

void apply(frmPlayer& video, frmMain& main)
{
    installMenuKeys(video, main.mnuBar, main.mnuShortcut[1]);
}

} // namespace KeyboardReach
