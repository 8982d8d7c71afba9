// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// velkor-player: the program's entry point. The splash window comes first; when
// it has run its course the main window loads, and the program ends when the
// main window has unloaded (closed from its own controls, by the desktop, or on
// SIGTERM, SIGINT, SIGHUP or SIGQUIT).
#include "app/Launcher.h"
#include "app/Wiring.h"
#include "core/MediaEngine.h"
#include "core/PlayerCore.h"
#include "desktop/CommandLine.h"
#include "desktop/DesktopIntegration.h"
#include "desktop/MprisService.h"
#include "desktop/ProgramArguments.h"
#include "desktop/QtFrench.h"
#include "desktop/Settings.h"
#include "desktop/SingleInstance.h"
#include "dialogs/QtPrompts.h"
#include "engine/EngineFactory.h"
#include "engine/X11SharedFrames.h"
#include "gui/frmMain.h"

#include <QApplication>
#include <QDir>

#include <clocale>

int main(int argc, char** argv)
{
    ProgramArguments arguments(argc, argv);
    if (const auto exitCode = CommandLine::answerInfoRequest(arguments.own()))
        return *exitCode;
    arguments.choosePlatform();
    X11SharedFrames::preferConnectionForWidgets();
    QApplication app(arguments.qtCount(), arguments.qtArguments());
    X11SharedFrames::restoreEnvironment();
    QtFrench::install(app);
    // libmpv needs the C numeric locale; the user's other categories stay.
    std::setlocale(LC_NUMERIC, "C");
    // Between the splash and the main window no window is open: the program
    // ends when the main window has unloaded, not when the last window closes.
    app.setQuitOnLastWindowClosed(false);

    // A player already running takes the files and this one ends here.
    SingleInstance instance;
    if (const auto exitCode = instance.claimOrHandOver(
            CommandLine::parse(arguments.own(), QDir::currentPath()).paths))
        return *exitCode;

    // The core asks the user through Qt's dialogs.
    QtPrompts prompts;
    PlayerCore core(&createMediaEngine, prompts);
    Settings settings(core);
    frmMain window(core);
    window.setSettingsStore(&settings);
    Wiring::connectMainWindow(core, window);
    instance.serve(core, window);
    Wiring::connectSingleInstance(core, instance);
    DesktopIntegration desktop(core, window, { window.playlistDropArea() }, arguments.own());
    if (MprisService* mpris = desktop.mpris())
        Wiring::connectMpris(core, *mpris);
    Launcher launcher(window);
    launcher.start();
    return app.exec();
}
