// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Launcher.h"

#include "desktop/TerminationSignals.h"
#include "gui/AppIcon.h"
#include "gui/frmMain.h"
#include "gui/frmSplash.h"

#include <QApplication>

Launcher::Launcher(frmMain& window, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_signals(new TerminationSignals(this))
{
    connect(m_signals, &TerminationSignals::received, this, &Launcher::terminate);
    // The unload has saved everything and closed the player's windows, so the
    // program leaves its event loops directly. QCoreApplication::quit() would
    // first ask every window to close, and gives up when one refuses (the
    // full-screen window only leaves full screen) or, for a widget marked
    // visible without a native window, asks again for ever.
    connect(&m_window, &frmMain::unloaded, qApp, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);
}

Launcher::~Launcher()
{
    delete m_splash;
}

void Launcher::start()
{
    // Every window of the program, the splash first, carries the player's icon.
    QApplication::setWindowIcon(AppIcon::icon());
    m_splash = new frmSplash;
    m_splash->setAttribute(Qt::WA_DeleteOnClose);
    // Queued: the splash is gone before the main window shows.
    connect(m_splash, &frmSplash::finished, &m_window, &frmMain::Form_Load, Qt::QueuedConnection);
    connect(m_splash, &frmSplash::aborted, qApp, [] { QCoreApplication::exit(0); });
    m_splash->Form_Load();
}

frmSplash* Launcher::splash() const
{
    return m_splash;
}

void Launcher::terminate()
{
    // A loaded window closes as a normal unload. Before that there is nothing
    // of the user's to save, and the program just ends.
    if (m_window.isLoaded()) {
        m_window.close();
        return;
    }
    if (m_splash) {
        m_splash->disconnect(&m_window); // no hand-over any more
        m_splash->close();
    }
    QCoreApplication::exit(0);
}
