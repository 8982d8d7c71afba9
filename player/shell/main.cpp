// velkor-player: the program's entry point. The splash window comes first; when
// it has run its course the main window loads, and the program ends when the
// main window has unloaded (closed from its own controls, by the desktop, or on
// SIGTERM / SIGINT).
#include "playback/EngineFactory.h"
#include "playback/MediaEngine.h"
#include "shell/CommandLine.h"
#include "shell/DesktopIntegration.h"
#include "shell/Launcher.h"
#include "shell/frmMain.h"

#include <QApplication>

#include <clocale>

int main(int argc, char** argv)
{
    if (const auto exitCode = CommandLine::answerInfoRequest(argc, argv))
        return *exitCode;
    QApplication app(argc, argv);
    // libmpv needs the C numeric locale; the user's other categories stay.
    std::setlocale(LC_NUMERIC, "C");
    // Between the splash and the main window no window is open: the program
    // ends when the main window has unloaded, not when the last window closes.
    app.setQuitOnLastWindowClosed(false);

    frmMain window(&createMediaEngine);
    DesktopIntegration desktop(window, app.arguments());
    Launcher launcher(window);
    launcher.start();
    return app.exec();
}
