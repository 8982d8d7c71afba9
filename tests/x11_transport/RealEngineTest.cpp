// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// On a real X server with the real engine: a generated .avi started from the
// playlist shows the video window with its picture, a generated .mp3 hides it,
// and the next and previous buttons move along the list.
#include "support/TestMain.h"
#include "support/Controls.h"
#include "engine/EngineFactory.h"
#include "core/MediaEngine.h"
#include "gui/frmPlayer.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "gui/frmMain.h"
#include "support/MediaGenerator.h"
#include "support/ScriptedPrompts.h"
#include "gui/VelkorCmd.h"
#include "engine/VideoSurface.h"

#include "support/WaitFor.h"

#include <QColor>
#include <QDeadlineTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Share of the picture in strong colours: the generated video is a colour
// test picture, the window's own background is a dark blue-grey.
double colourfulShare(const QImage& image)
{
    int colourful = 0;
    int total = 0;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) {
            const QColor c = image.pixelColor(x, y);
            ++total;
            if (c.hsvSaturation() > 120 && c.value() > 120)
                ++colourful;
        }
    }
    return total ? double(colourful) / total : 0.0;
}

struct GeneratedMedia {
    QTemporaryDir dir;
    QString clip = dir.filePath(QStringLiteral("clip.avi"));
    QString song = dir.filePath(QStringLiteral("song.mp3"));
    bool ok = dir.isValid() && MediaGenerator::encode(clip, 4.0, MediaGenerator::Kind::Avi)
        && MediaGenerator::encode(song, 4.0, MediaGenerator::Kind::Mp3);
};

// Starts the clip, then the song with the next button and the clip again with
// the previous one, checking the video window each time.
void playClipThenSong(frmMain& main, const GeneratedMedia& media)
{
    main.core().playlist().setListIndex(0);
    main.core().sequencer().lstPlay_DblClick();
    ASSERT_EQ(main.engine().FileName(), media.clip) << qPrintable(main.engine().ErrorDescription());
    frmPlayer& video = main.videoWindow();
    EXPECT_TRUE(video.isVisible());
    // It stays up through its repaints, with the engine's picture in it.
    auto* area = video.findChild<VideoSurface*>();
    ASSERT_NE(area, nullptr);
    EXPECT_TRUE(waitFor([&] { return !video.showsIdleBackground(); }));
    EXPECT_TRUE(waitFor([&] { return colourfulShare(area->grab().toImage()) > 0.3; }))
        << "share of strong colours: " << colourfulShare(area->grab().toImage());
    EXPECT_TRUE(video.isVisible());
    EXPECT_TRUE(waitFor([&] { return video.windowTitle() == media.clip; }))
        << qPrintable(video.windowTitle());

    QTest::mouseClick(control<VelkorCmd>(main, "cmdForward"), Qt::LeftButton);
    EXPECT_EQ(main.engine().FileName(), media.song);
    EXPECT_EQ(main.core().playlist().CurrentTrack(), 1);
    EXPECT_FALSE(video.isVisible());
    QTest::qWait(300);
    EXPECT_FALSE(video.isVisible());

    QTest::mouseClick(control<VelkorCmd>(main, "cmdBack"), Qt::LeftButton);
    EXPECT_EQ(main.engine().FileName(), media.clip);
    EXPECT_EQ(main.core().playlist().CurrentTrack(), 0);
    EXPECT_TRUE(waitFor([&] { return video.isVisible(); }));
    QTest::qWait(300);
    EXPECT_TRUE(video.isVisible());
}

} // namespace

// The video window has been on screen once before (adding a file shows it),
// as a person filling the playlist sees it.
TEST(RealEngine, VideoShowsTheWindowAudioHidesIt)
{
    GeneratedMedia media;
    ASSERT_TRUE(media.ok);
    ScriptedPrompts prompts;
    TestMain main(&createMediaEngine);
    main.show();
    main.core().playlist().AppendMany({ media.clip, media.song });
    main.videoWindow().show();
    ASSERT_TRUE(waitFor([&] { return !main.videoWindow().isVisible(); })); // nothing open

    playClipThenSong(main, media);
    main.Form_Unload();
}

// The playlist restored at start-up and started before the video window was
// ever shown: the file opens with its video all the same.
TEST(RealEngine, FirstVideoBeforeTheWindowWasEverShown)
{
    GeneratedMedia media;
    ASSERT_TRUE(media.ok);
    ScriptedPrompts prompts;
    TestMain main(&createMediaEngine);
    main.show();
    main.core().playlist().AppendMany({ media.clip, media.song });

    playClipThenSong(main, media);
    main.Form_Unload();
}
