// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures for the playlist: reading and writing a full playlist file of 32,767
// paths of 60 bytes, and the main window's load with that playlist (without
// the splash), with the time the list then takes to scroll and repaint.
//
// The load's wall time holds the balance slider's pauses (the change handler
// waits 250 ms each time, and the load moves the slider twice: the settings,
// then the centring); the load's own work is that time without the pauses,
// and the GUI thread's CPU time over the load.
#include "support/TestMain.h"
#include "core/Levels.h"
#include "core/PlaylistModel.h"
#include "core/PlaylistFile.h"
#include "gui/frmMain.h"
#include "support/FakeEngine.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <clocale>
#include <ctime>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QStringList sixtyBytePaths()
{
    QStringList entries;
    for (int i = 0; i < PlaylistFile::kMaxEntries; ++i) {
        QString path = QStringLiteral("/home/user/Musique/Album %1/Piste %2 - titre.mp3")
                           .arg(i / 100, 4, 10, QLatin1Char('0'))
                           .arg(i, 5, 10, QLatin1Char('0'));
        path = path.leftJustified(60 - 4, QLatin1Char('x')) + QStringLiteral(".mp3");
        entries << path;
    }
    return entries;
}

double threadCpuMs()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double medianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Median of several runs, in milliseconds.
double measure(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
        qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());

    const QStringList entries = sixtyBytePaths();
    const QString file = home.filePath(QStringLiteral("big.lst"));

    const double format = measure(9, [&] { PlaylistFile::format(entries); });
    const double write = measure(9, [&] { PlaylistFile::write(file, entries); });
    const QByteArray bytes = PlaylistFile::format(entries);
    const double parse = measure(9, [&] { PlaylistFile::parse(bytes); });
    const double read = measure(9, [&] { PlaylistFile::read(file); });
    const double readNumbers
        = measure(9, [&] { PlaylistFile::read(file, PlaylistFile::Fields::CanonicalNumbers); });
    std::printf("playlist file: %d entries of 60 bytes, %lld bytes\n", int(entries.size()),
        static_cast<long long>(bytes.size()));
    std::printf("  format            %7.2f ms\n", format);
    std::printf("  write (QSaveFile) %7.2f ms   goal < 50 ms\n", write);
    std::printf("  parse             %7.2f ms\n", parse);
    std::printf("  read              %7.2f ms   goal < 50 ms\n", read);
    std::printf("  read, lastlist    %7.2f ms   (numeric fields made canonical)\n", readNumbers);

    QDir().mkpath(home.filePath(QStringLiteral("data/velkor-player")));
    PlaylistFile::write(home.filePath(QStringLiteral("data/velkor-player/lastlist.lst")), entries);
    std::vector<double> loads, works, cpus, scrolls;
    int pauses = 0;
    for (int run = 0; run < 5; ++run) {
        FakeEngine* engine = nullptr;
        TestMain window([&engine] {
            auto made = std::make_unique<FakeEngine>();
            engine = made.get();
            return made;
        });
        const int balanceBefore = engine ? int(engine->callsStartingWith(QStringLiteral("setBalance")).size()) : 0;
        QElapsedTimer timer;
        const double cpu = threadCpuMs();
        timer.start();
        window.Form_Load();
        QApplication::processEvents();
        const double wall = timer.nsecsElapsed() / 1e6;
        cpus.push_back(threadCpuMs() - cpu);
        pauses = int(engine->callsStartingWith(QStringLiteral("setBalance")).size()) - balanceBefore;
        loads.push_back(wall);
        works.push_back(wall - pauses * Levels::kBalancePauseMs);
        if (window.core().playlist().Count() != entries.size())
            std::printf("  restored %d entries!\n", window.core().playlist().Count());

        QListView* list = window.findChild<QListView*>(QStringLiteral("lstPlay"));
        timer.restart();
        list->scrollToBottom();
        list->repaint();
        window.core().playlist().setListIndex(PlaylistFile::kMaxEntries / 2);
        list->scrollTo(list->currentIndex());
        list->repaint();
        scrolls.push_back(timer.nsecsElapsed() / 1e6);
        window.Form_Unload();
    }
    std::printf("main window: Form_Load with that lastlist.lst (no splash), median of 5\n");
    std::printf("  load, wall        %7.2f ms   (with %d balance pauses of %d ms)\n", medianOf(loads), pauses,
        Levels::kBalancePauseMs);
    std::printf("  load, own work    %7.2f ms   goal < 300 ms (wall without the pauses)\n", medianOf(works));
    std::printf("  load, GUI CPU     %7.2f ms\n", medianOf(cpus));
    std::printf("  scroll + repaint  %7.2f ms   (two jumps)\n", medianOf(scrolls));
    return 0;
}
