// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures for adding a large folder: the scan of a folder of 10,000 files, half
// of them media, and appending the result to the playlist of a shown window.
// Wall-clock times swell when the machine is busy; the processor time of the
// thread shows the work itself.
#include "support/TestMain.h"
#include "core/FolderScan.h"
#include "core/MediaFilter.h"
#include "core/PlaylistModel.h"
#include "gui/frmMain.h"
#include "support/FakeEngine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr int kFiles = 10000;
constexpr int kRuns = 15;

void makeFolder(const QString& root)
{
    const char* media[] = { "dat", "AVI", "mp3", "MPG", "wav", "mpeg", "WMA" };
    const char* other[] = { "txt", "jpg", "nfo", "m3u" };
    for (int i = 0; i < kFiles; ++i) {
        const QString ext = QString::fromLatin1(i % 2 ? other[i % 4] : media[(i / 2) % 7]);
        QFile file(QStringLiteral("%1/Track %2 - titre.%3").arg(root).arg(i).arg(ext));
        if (!file.open(QIODevice::WriteOnly))
            std::fprintf(stderr, "cannot create %s\n", qPrintable(file.fileName()));
    }
}

double threadCpuMs()
{
    timespec ts {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

void measure(const char* what, const std::function<void()>& work, int runs = kRuns)
{
    std::vector<double> wall, cpu;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        work();
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(threadCpuMs() - cpuStart);
    }
    std::printf("%-42s wall: first %6.2f median %6.2f min %6.2f ms | "
                "cpu: median %6.2f min %6.2f ms (%d runs)\n",
        what, wall.front(), median(wall), *std::min_element(wall.begin(), wall.end()), median(cpu),
        *std::min_element(cpu.begin(), cpu.end()), runs);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    makeFolder(dir.path());
    std::printf("folder of %d files, half of them media\n", kFiles);

    measure("list the folder", [&] { (void)FolderScan::fileNames(dir.path()); });
    const QStringList names = FolderScan::fileNames(dir.path());
    measure("sort the names", [&] {
        QStringList sorted = names;
        FolderScan::sortNames(sorted);
    });
    QStringList entries;
    measure("scan: list, sort, match 7 patterns",
        [&] { entries = FolderScan::scan(dir.path(), ScanPatterns); });
    std::printf("entries found: %lld\n", static_cast<long long>(entries.size()));

    TestMain window([] { return std::make_unique<FakeEngine>(); });
    window.show();
    app.processEvents();
    QListView* list = window.findChild<QListView*>(QStringLiteral("lstPlay"));
    std::printf("playlist shown: %s\n", list->isVisible() ? "yes" : "no");
    PlaylistModel& playlist = window.core().playlist();

    // Each run lets the list lay itself out and paint, as the window must before
    // it answers the user again.
    measure("append to the shown playlist at once", [&] {
        playlist.Clear();
        playlist.AppendMany(entries);
        app.processEvents();
        list->viewport()->repaint();
    });
    measure(
        "append to the shown playlist one by one",
        [&] {
            playlist.Clear();
            for (const QString& entry : std::as_const(entries))
                playlist.Append(entry);
            app.processEvents();
            list->viewport()->repaint();
        },
        3);
    measure("scan and append (the user's wait)", [&] {
        playlist.Clear();
        playlist.AppendMany(FolderScan::scan(dir.path(), ScanPatterns));
        app.processEvents();
        list->viewport()->repaint();
    });
    return 0;
}
