// velkor-player: the program's entry point.
#include "playback/EngineFactory.h"
#include "playback/MediaEngine.h"
#include "shell/frmMain.h"

#include <QApplication>

#include <clocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // libmpv needs the C numeric locale; the user's other categories stay.
    std::setlocale(LC_NUMERIC, "C");

    frmMain window(&createMediaEngine);
    window.show();
    return app.exec();
}
