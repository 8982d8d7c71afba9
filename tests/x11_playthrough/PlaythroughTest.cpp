// Under a real X server with the real engine: a playlist of three short WAV
// files, started on its first entry, plays through to the end of the list by
// the periodic update alone.
#include "core/Levels.h"
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

    MpvEngine* engine = nullptr;
    TestMain window([&engine] {
        // No sound device; twice the speed keeps the wait short.
        auto made = std::make_unique<MpvEngine>(
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

    // Watch which entries play and how far: the update alone moves on.
    QStringList played;
    double lastFurthest = 0;
    const bool ended = waitUntil(
        [&] {
            const QString name = engine->FileName();
            if (played.isEmpty() || played.last() != name) {
                played << name;
                lastFurthest = 0;
            }
            lastFurthest = std::max(lastFurthest, engine->CurrentPosition().value_or(0));
            // The last entry went a good way in and has been stopped and rewound.
            return played.size() == 3 && lastFurthest > 0.5
                && engine->CurrentPosition().value_or(-1) == 0.0;
        },
        20000);
    ASSERT_TRUE(ended) << played.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(played, entries);
    EXPECT_EQ(window.core().playlist().CurrentTrack(), 2);

    // At the end of the list without repeat nothing else starts.
    waitUntil([] { return false; }, 1500);
    EXPECT_EQ(engine->FileName(), entries.last());
    EXPECT_EQ(engine->CurrentPosition().value_or(-1), 0.0);
    EXPECT_EQ(window.scrlTime->Value(), 0);
}

} // namespace
