// velkor-player: the program's entry point. The splash window comes first; when
// it has run its course the main window loads, and the program ends when the
// main window has unloaded (closed from its own controls, by the desktop, or on
// SIGTERM / SIGINT).
#include "playback/EngineFactory.h"
#include "playback/MediaEngine.h"
#include "shell/TerminationSignals.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"

#include <QApplication>

#include <clocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // libmpv needs the C numeric locale; the user's other categories stay.
    std::setlocale(LC_NUMERIC, "C");
    // Between the splash and the main window no window is open; the program
    // ends when the main window has unloaded, not when the last window closes.
    app.setQuitOnLastWindowClosed(false);

    frmMain window(&createMediaEngine);
    QObject::connect(&window, &frmMain::unloaded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &app, [&app, &window] {
        // A loaded window closes as a normal unload; before that there is
        // nothing of the user's to save.
        if (window.isLoaded())
            window.close();
        else
            app.quit();
    });

    auto* splash = new frmSplash;
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(splash, &frmSplash::finished, &window, &frmMain::Form_Load,
                     Qt::QueuedConnection);
    QObject::connect(splash, &frmSplash::aborted, &app, &QCoreApplication::quit);
    splash->Form_Load();
    return app.exec();
}
