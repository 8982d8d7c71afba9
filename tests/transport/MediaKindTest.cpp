// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Media kinds: the last three characters upper-cased, "MPEG" on four.
#include "core/MediaKind.h"

#include <gtest/gtest.h>

using MediaKind::List;

TEST(MediaKind, EndingsDecideEachList)
{
    struct Case {
        const char* name;
        bool audioAtCreation, audioAtStart, notShown, video;
    };
    const Case cases[] = {
        { "/m/song.mp3", true, true, true, false },
        { "/m/SONG.Mp3", true, true, true, false },
        { "/m/song.wav", true, true, false, false },
        { "/m/song.mid", true, true, false, false },
        { "/m/song.rmi", true, true, false, false },
        { "/m/song.wma", true, false, false, false },
        { "/m/song.ogg", true, false, false, false },
        { "/m/clip.avi", false, false, false, true },
        { "/m/clip.asf", false, false, false, true },
        { "/cd/mpegav/AVSEQ01.DAT", false, false, false, true },
        { "/m/clip.mpg", false, false, false, true },
        { "/m/clip.mpeg", false, false, false, true },
        { "/m/clip.MPEG", false, false, false, true },
        { "/m/clip.vob", false, false, false, true },
        { "/m/clipavi", false, false, false, true }, // no dot is needed
        { "/m/clip.peg", false, false, false, false }, // "PEG" alone is no ending
        { "/m/clip.mkv", false, false, false, false },
        { "/m/song.mp3 ", false, false, false, false }, // the very last characters count
        { "mp3", true, true, true, false },
        { "p3", false, false, false, false },
        { "", false, false, false, false },
    };
    for (const Case& c : cases) {
        const QString name = QString::fromUtf8(c.name);
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MediaKind::endsIn(name, List::AudioAtCreation), c.audioAtCreation);
        EXPECT_EQ(MediaKind::endsIn(name, List::AudioAtStart), c.audioAtStart);
        EXPECT_EQ(MediaKind::endsIn(name, List::NotShown), c.notShown);
        EXPECT_EQ(MediaKind::endsIn(name, List::Video), c.video);
    }
}
