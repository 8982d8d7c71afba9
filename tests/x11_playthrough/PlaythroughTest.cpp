// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Under a real X server with the real engine: a playlist of three short WAV
// files, started on its first entry, plays through to the end of the list by
// the periodic update alone.
#include "core/Levels.h"
#include "support/Controls.h"
#include "core/PlaybackClock.h"
#include "core/PlayerCore.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "core/TransportController.h"
#include "core/MediaAdder.h"
#include "support/TestMain.h"
#include "support/TestMain.h"
#include "engine/MpvEngine.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "gui/frmMain.h"
#include "support/MediaGenerator.h"

#include <sarv/Variateur.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Lets events run until done() holds or the time is up.
bool waitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Where a rewound entry may stand: well within the first second the time shows.
constexpr double kRewoundSeconds = 0.05;

// The real engine, noting the position and duration the player last read when
// it stopped each entry. What the test checks must not hang on catching a
// moment between two of the player's ticks: on a busy machine the test's own
// loop can be held off for longer than a whole entry plays.
class StopRecordingEngine : public MpvEngine {
public:
    using MpvEngine::MpvEngine;

    struct StopPoint {
        QString file;
        double position;
        double duration;
    };
    QList<StopPoint> stops;

    std::optional<double> CurrentPosition() const override
    {
        m_lastPosition = MpvEngine::CurrentPosition();
        return m_lastPosition;
    }
    std::optional<double> Duration() const override
    {
        m_lastDuration = MpvEngine::Duration();
        return m_lastDuration;
    }
    void Stop() override
    {
        stops.append({ FileName(), m_lastPosition.value_or(-1), m_lastDuration.value_or(-1) });
        MpvEngine::Stop();
    }

private:
    mutable std::optional<double> m_lastPosition;
    mutable std::optional<double> m_lastDuration;
};

TEST(Playthrough, UpdateMovesThroughTheListToItsEnd)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
    const QStringList entries = { dir.filePath(QStringLiteral("un.wav")),
                                  dir.filePath(QStringLiteral("deux.wav")),
                                  dir.filePath(QStringLiteral("trois.wav")) };
    for (const QString& path : entries)
        ASSERT_TRUE(MediaGenerator::wav(path, 1.0));

    StopRecordingEngine* engine = nullptr;
    TestMain window([&engine] {
        // No sound device; twice the speed keeps the wait short.
        auto made = std::make_unique<StopRecordingEngine>(
            MpvEngine::VideoOutput::Surface,
            MpvEngine::Options { { QStringLiteral("ao"), QStringLiteral("null") },
                                 { QStringLiteral("speed"), QStringLiteral("2") } });
        engine = made.get();
        return made;
    });
    window.show();
    window.core().playlist().AppendMany(entries);
    window.core().playlist().setListIndex(0);
    window.core().sequencer().lstPlay_DblClick();
    ASSERT_NE(engine, nullptr);
    ASSERT_FALSE(engine->HasError()) << engine->ErrorDescription().toStdString();
    ASSERT_TRUE(window.core().clock().isActive());

    // The update alone moves on: each entry is stopped at its end, in order.
    const auto endedEntries = [&] {
        QStringList ended;
        for (const auto& stop : engine->stops) {
            if (stop.duration > 0 && stop.position >= stop.duration)
                ended << stop.file;
        }
        return ended;
    };
    const bool ended = waitUntil([&] { return endedEntries().size() >= 3; }, 60000);
    QStringList seen;
    for (const auto& stop : engine->stops)
        seen << QStringLiteral("%1@%2/%3").arg(stop.file).arg(stop.position).arg(stop.duration);
    ASSERT_TRUE(ended) << seen.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(endedEntries(), entries);
    EXPECT_EQ(window.core().playlist().CurrentTrack(), 2);
    // ... and rewound. A rewind lands on the first sound frame at or after 0,
    // a few milliseconds in: the engine answers exactly 0 only until the seek
    // has landed, which a test on a busy machine may well look at afterwards.
    const auto rewound = [&] {
        const double position = engine->CurrentPosition().value_or(-1);
        return position >= 0 && position < kRewoundSeconds;
    };
    EXPECT_TRUE(waitUntil(rewound, 10000)) << "position " << engine->CurrentPosition().value_or(-1);

    // At the end of the list without repeat nothing else starts.
    waitUntil([] { return false; }, 1500);
    EXPECT_EQ(engine->FileName(), entries.last());
    EXPECT_TRUE(rewound()) << "position " << engine->CurrentPosition().value_or(-1);
    EXPECT_EQ(control<sarv::Variateur>(window, "scrlTime")->Value(), 0);
}

} // namespace
