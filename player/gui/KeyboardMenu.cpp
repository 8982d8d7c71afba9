// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/KeyboardMenu.h"

#include "gui/WindowSystem.h"
#include "gui/frmMain.h"

#include <QAction>
#include <QApplication>

namespace {

// The middle of the focused control when it is in window, else of window.
QPoint menuPosition(QWidget& window)
{
    QWidget* focus = QApplication::focusWidget();
    QWidget* anchor = focus && focus->window() == &window ? focus : &window;
    return anchor->mapToGlobal(anchor->rect().center());
}

} // namespace

namespace KeyboardMenu {

void install(QWidget& window, frmMain& main)
{
    auto* open = new QAction(&window);
    open->setShortcuts({ QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10) });
    open->setShortcutContext(Qt::WindowShortcut);
    window.addAction(open);
    // The connection goes with the window, which never outlives the main window.
    QObject::connect(open, &QAction::triggered, &window, [&window, &main] {
        WindowSystem::current().popupMenuAt(main.mnuBar, main.mnuShortcut[1], menuPosition(window));
    });
}

} // namespace KeyboardMenu
