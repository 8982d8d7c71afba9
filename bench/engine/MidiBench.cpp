// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MidiBench.h"

#include "engine/MpvEngine.h"
#include "support/MediaGenerator.h"
#include "support/MidiGenerator.h"

#include "../ProcessCpu.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kOpens = 20;

double medianOpenMs(MpvEngine& engine, const QString& file)
{
    std::vector<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < kOpens; ++i) {
        clock.start();
        engine.setFileName(file);
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (engine.HasError())
            std::printf("  %s\n", qPrintable(engine.ErrorDescription()));
        engine.setFileName(QString());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Processor seconds to play the whole file through libmpv's PCM writer,
// which takes the sound as fast as it comes.
double cpuToPlay(const QString& file)
{
    MpvEngine engine(MpvEngine::VideoOutput::None,
                     {{QStringLiteral("ao"), QStringLiteral("pcm")},
                      {QStringLiteral("ao-pcm-file"), QStringLiteral("/dev/null")}});
    const double start = processCpuSeconds();
    engine.setFileName(file);
    QElapsedTimer wall;
    wall.start();
    while (engine.CurrentPosition().value_or(0) < engine.Duration().value_or(0) && wall.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return processCpuSeconds() - start;
}

} // namespace

void benchMidi(const QString& folder)
{
    const QString longMidi = QDir(folder).filePath("ten-minutes.mid");
    const QString longWav = QDir(folder).filePath("ten-minutes.wav");
    const QString minuteMidi = QDir(folder).filePath("minute.mid");
    const QString minuteWav = QDir(folder).filePath("minute.wav");
    // Quarter notes at 120 a minute: 1200 for ten minutes, 120 for one.
    if (!MidiGenerator::write(longMidi, MidiGenerator::song({1, 480, 1200, 480, {}}))
        || !MidiGenerator::write(minuteMidi, MidiGenerator::song({1, 480, 120, 480, {}}))
        || !MediaGenerator::wav(longWav, 600.0) || !MediaGenerator::wav(minuteWav, 60.0)) {
        std::fprintf(stderr, "could not generate the MIDI media\n");
        return;
    }
    MpvEngine engine(MpvEngine::VideoOutput::None, {{QStringLiteral("ao"), QStringLiteral("null")}});
    std::printf("\nMIDI through FluidSynth (%d opens each, median)\n", kOpens);
    // The first open loads the SoundFont; it is timed on its own.
    QElapsedTimer first;
    first.start();
    engine.setFileName(longMidi);
    std::printf("%-40s %10.1f ms\n", "first open of a 10-minute MIDI", double(first.nsecsElapsed()) / 1e6);
    engine.setFileName(QString());
    std::printf("%-40s %10.1f ms\n", "open 10-minute MIDI", medianOpenMs(engine, longMidi));
    std::printf("%-40s %10.1f ms\n", "open 10-minute WAV", medianOpenMs(engine, longWav));

    const double midiCpu = cpuToPlay(minuteMidi);
    const double wavCpu = cpuToPlay(minuteWav);
    std::printf("%-40s %10.2f s\n", "CPU to play 1 minute of MIDI", midiCpu);
    std::printf("%-40s %10.2f s\n", "CPU to play 1 minute of WAV", wavCpu);
    std::printf("%-40s %10.2f s per minute\n", "synthesis (MIDI less WAV)", midiCpu - wavCpu);
}
