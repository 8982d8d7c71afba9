// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The transport buttons and the open action on a fake engine.
#include "CoreHarness.h"

#include "core/MediaFilter.h"

#include <gtest/gtest.h>

TEST(Transport, PausePlayPauseOnlyClearsTheFlag)
{
    Harness h({ QStringLiteral("/m/clip.avi") });
    h.start(0);
    h.fake->calls.clear();

    h.transport().cmdPause_Click();
    EXPECT_TRUE(h.core.Paused());
    EXPECT_FALSE(h.fake->playing);

    h.transport().cmdPlay_Click(); // resumes, but the flag stays
    EXPECT_TRUE(h.core.Paused());
    EXPECT_TRUE(h.fake->playing);

    h.transport().cmdPause_Click(); // only clears the flag; the track keeps playing
    EXPECT_FALSE(h.core.Paused());
    EXPECT_TRUE(h.fake->playing);

    h.transport().cmdPause_Click(); // pauses
    EXPECT_TRUE(h.core.Paused());
    EXPECT_FALSE(h.fake->playing);
    EXPECT_EQ(h.fake->calls, (QStringList { "Pause", "Play", "Play", "Pause" }));
}

TEST(Transport, NothingOpenLeavesPauseAndStopIdle)
{
    Harness h;
    h.fake->calls.clear();
    h.transport().cmdPause_Click();
    h.transport().cmdStop_Click();
    EXPECT_TRUE(h.fake->calls.isEmpty());
    EXPECT_FALSE(h.core.Paused());
}

TEST(Transport, StopRewinds)
{
    Harness h({ QStringLiteral("/m/clip.avi") });
    h.start(0);
    h.fake->position = 42.0;
    h.fake->calls.clear();
    h.transport().cmdStop_Click();
    EXPECT_EQ(h.fake->calls, (QStringList { "Stop", "setCurrentPosition:0" }));
    h.transport().cmdPlay_Click();
    EXPECT_TRUE(h.fake->playing);
    EXPECT_EQ(h.fake->position, 0.0);
}

TEST(Transport, PlayWithNothingOpen)
{
    struct Case {
        const char* name;
        QStringList entries;
        int selection;
        QStringList opened;
        int currentTrack;
        bool videoVisible;
    };
    const Case cases[] = {
        { "empty playlist", {}, -1, {}, 0, false },
        { "next entry, audio", { "/m/a.avi", "/m/song.mp3" }, -1, { "/m/song.mp3" }, 1, false },
        { "next entry, video", { "/m/song.mp3", "/m/clip.avi" }, -1, { "/m/clip.avi" }, 1, true },
        { "selection stays when nothing starts", { "/m/a.avi" }, 0, {}, 0, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h(c.entries);
        h.playlist().setCurrentTrack(0);
        h.playlist().setListIndex(c.selection);
        h.fake->calls.clear();
        h.transport().cmdPlay_Click();
        EXPECT_EQ(h.opened(), c.opened);
        EXPECT_TRUE(h.fake->callsStartingWith(QStringLiteral("Play")).isEmpty());
        EXPECT_EQ(h.playlist().CurrentTrack(), c.currentTrack);
        EXPECT_EQ(h.videoShown, c.videoVisible);
    }
}

TEST(Transport, PlayHidesTheVideoWindowOnlyForAudio)
{
    struct Case {
        const char* file;
        bool visibleBefore;
        bool visibleAfter;
    };
    const Case cases[] = {
        { "/m/song.wav", true, false }, { "/m/song.mid", true, false },
        { "/m/song.wma", true, true }, { "/m/clip.avi", true, true },
        { "/m/clip.avi", false, false }, // play never shows the window
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Harness h;
        h.fake->setFileName(QString::fromUtf8(c.file));
        h.videoShown = c.visibleBefore;
        h.transport().cmdPlay_Click();
        EXPECT_EQ(h.videoShown, c.visibleAfter);
        EXPECT_EQ(h.fake->calls.last(), QStringLiteral("Play"));
    }
}

TEST(Transport, OpenFileReplacesThePlaylistAndPlays)
{
    for (const bool repeat : { false, true }) {
        SCOPED_TRACE(repeat ? "repeat" : "no repeat");
        Harness h({ QStringLiteral("/m/a.avi"), QStringLiteral("/m/b.avi") });
        h.core.chkRepeat_Click(repeat);
        h.prompts.chooseFile(QStringLiteral("/m/new.mpg"));
        h.fake->calls.clear();
        h.transport().cmdOpen_Click();

        EXPECT_EQ(h.fake->calls.first(), QStringLiteral("Stop"));
        EXPECT_EQ(h.playlist().Entries(), QStringList { "/m/new.mpg" });
        EXPECT_EQ(h.opened(), QStringList { "/m/new.mpg" });
        EXPECT_EQ(h.fake->calls.last(), QStringLiteral("Play"));
        EXPECT_EQ(h.playlist().CurrentTrack(), 0);
        EXPECT_TRUE(h.videoShown);
    }
}

TEST(Transport, CancelledOpenPlaysTheNextEntry)
{
    Harness h({ QStringLiteral("/m/a.avi"), QStringLiteral("/m/song.mp3") });
    h.prompts.cancelFile();
    h.transport().cmdOpen_Click();
    EXPECT_EQ(h.playlist().Count(), 2);
    EXPECT_EQ(h.opened(), QStringList { "/m/song.mp3" });
    EXPECT_EQ(h.playlist().CurrentTrack(), 1);
    EXPECT_FALSE(h.videoShown); // shown by the open action, hidden again for audio
}

TEST(Transport, OpenDialogOffersTheMediaFilter)
{
    Harness h;
    h.prompts.cancelFile();
    h.transport().OpenFile();
    ASSERT_EQ(h.prompts.fileRequests.size(), 1);
    const Prompts::FileRequest& request = h.prompts.fileRequests[0];
    EXPECT_FALSE(request.save);
    EXPECT_EQ(request.filterIndex, 0);
    const QList<Prompts::FileFilter> expected = {
        { "Tous les fichiers Velkor (*.dat, *.mp3, *.mpeg, *.mpg, *.avi, *.wav, *.cda, *.mid, "
          "*.wma )",
            { "*.dat", "*.mp3", "*.mpeg", "*.mpg", "*.avi", "*.wma", "*.wav", "*.cda", "*.mid",
                "*.asf" } },
        { "Video CD (*.dat) ", { "*.dat" } },
        { " AVI Video (*.avi) ", { "*.avi" } },
        { "Fichiers MP3", { "*.mp3" } },
        { "Tous les fichiers (*.*) ", { "*.*" } },
    };
    ASSERT_EQ(request.filters.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(request.filters[i].description, expected[i].description) << i;
        EXPECT_EQ(request.filters[i].patterns, expected[i].patterns) << i;
    }
}
