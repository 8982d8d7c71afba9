// velkor-player: the program's entry point.
#include "playback/EngineFactory.h"
#include "playback/MediaEngine.h"
#include "shell/CommandLine.h"
#include "shell/DesktopIntegration.h"
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

    frmMain window(&createMediaEngine);
    DesktopIntegration desktop(window, app.arguments());
    window.show();
    return app.exec();
}
