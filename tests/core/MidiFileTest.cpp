// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The MIDI file reader: lengths through tempo changes, the RIFF wrapper, and
// every kind of broken file refused with a reason.
#include "core/MidiFile.h"
#include "support/MidiGenerator.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using Options = MidiGenerator::Options;

struct LengthCase {
    const char* name;
    Options options;
    bool wrapped;
    double seconds;
};

std::ostream& operator<<(std::ostream& out, const LengthCase& c)
{
    return out << c.name;
}

class MidiLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(MidiLength, DurationFollowsTheTempoMap)
{
    QByteArray bytes = MidiGenerator::song(GetParam().options);
    if (GetParam().wrapped)
        bytes = MidiGenerator::riff(bytes);
    const MidiFile::Parsed parsed = MidiFile::parse(bytes);
    ASSERT_TRUE(parsed.file) << parsed.error.toStdString();
    EXPECT_NEAR(parsed.file->durationSeconds(), GetParam().seconds, 1e-6);
    EXPECT_TRUE(parsed.file->standardFile().startsWith("MThd"));
    EXPECT_EQ(parsed.file->tickAtSeconds(parsed.file->durationSeconds()), parsed.file->lastTick());
}

INSTANTIATE_TEST_SUITE_P(
    Songs, MidiLength,
    ::testing::Values(
        LengthCase{"default_tempo", Options{}, false, 4.0},
        LengthCase{"slow_from_start", Options{1, 480, 8, 480, {{0, 60}}}, false, 8.0},
        LengthCase{"slows_half_way", Options{1, 480, 8, 480, {{1920, 60}}}, false, 6.0},
        LengthCase{"two_changes", Options{1, 96, 6, 96, {{0, 240}, {192, 120}, {384, 60}}}, false, 3.5},
        LengthCase{"format0_slows", Options{0, 480, 8, 480, {{1920, 60}}}, false, 6.0},
        LengthCase{"rmid_wrapper", Options{1, 480, 8, 480, {{1920, 60}}}, true, 6.0},
        LengthCase{"ten_minutes", Options{1, 480, 1200, 480, {}}, false, 600.0}));

TEST(MidiTicks, SecondsAndTicksMeetAtTempoChanges)
{
    const auto parsed = MidiFile::parse(MidiGenerator::song(Options{1, 480, 8, 480, {{1920, 60}}}));
    ASSERT_TRUE(parsed.file);
    const MidiFile& file = *parsed.file;
    struct Point {
        qint64 tick;
        double seconds;
    };
    for (const Point p : {Point{0, 0.0}, Point{960, 1.0}, Point{1920, 2.0}, Point{2400, 3.0}, Point{3840, 6.0}}) {
        EXPECT_NEAR(file.secondsAtTick(p.tick), p.seconds, 1e-9) << p.tick;
        EXPECT_EQ(file.tickAtSeconds(p.seconds), p.tick) << p.seconds;
    }
    EXPECT_EQ(file.tickAtSeconds(-1.0), 0);
}

// Very short ticks late in a long song: rounding must not put the end one
// tick past the last event.
TEST(MidiTicks, ShortTicksAfterALongStretchStillMeetTheEnd)
{
    const auto parsed = MidiFile::parse(MidiGenerator::song(Options{1, 480, 4000, 480, {{1900000, 60000000}}}));
    ASSERT_TRUE(parsed.file);
    const MidiFile& file = *parsed.file;
    for (qint64 tick = file.lastTick() - 3; tick <= file.lastTick(); ++tick)
        EXPECT_EQ(file.tickAtSeconds(file.secondsAtTick(tick)), tick);
}

struct BrokenCase {
    const char* name;
    QByteArray bytes;
};

std::ostream& operator<<(std::ostream& out, const BrokenCase& c)
{
    return out << c.name;
}

QByteArray header(int format, int tracks, int division)
{
    QByteArray out("MThd\0\0\0\6", 8);
    for (int v : {format, tracks, division}) {
        out.append(char(v >> 8));
        out.append(char(v & 0xFF));
    }
    return out;
}

QByteArray track(const QByteArray& events)
{
    QByteArray out("MTrk");
    for (int i = 3; i >= 0; --i)
        out.append(char((events.size() >> (8 * i)) & 0xFF));
    return out + events;
}

class MidiBroken : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(MidiBroken, IsRefusedWithAReason)
{
    const MidiFile::Parsed parsed = MidiFile::parse(GetParam().bytes);
    EXPECT_FALSE(parsed.file);
    EXPECT_FALSE(parsed.error.isEmpty());
}

const QByteArray kEnd("\0\xFF\x2F\0", 4);

INSTANTIATE_TEST_SUITE_P(
    Files, MidiBroken,
    ::testing::Values(
        BrokenCase{"empty", {}},
        BrokenCase{"garbage", "this is no music at all, only text"},
        BrokenCase{"short_header", QByteArray("MThd\0\0\0\6\0\1", 10)},
        BrokenCase{"zero_tracks", header(1, 0, 480)},
        BrokenCase{"missing_track", header(1, 2, 480) + track(QByteArray("\x83\x60\x90\x3C\x40", 5) + kEnd)},
        BrokenCase{"zero_division", header(0, 1, 0) + track(QByteArray("\x83\x60\x90\x3C\x40", 5) + kEnd)},
        BrokenCase{"data_before_status", header(0, 1, 480) + track(QByteArray("\0\x3C\x40", 3) + kEnd)},
        BrokenCase{"endless_delta", header(0, 1, 480) + track(QByteArray("\xFF\xFF\xFF\xFF\x7F", 5))},
        BrokenCase{"meta_past_track", header(0, 1, 480) + track(QByteArray("\0\xFF\x01\x7F" "abc", 7))},
        BrokenCase{"nothing_happens", header(0, 1, 480) + track(kEnd)},
        BrokenCase{"riff_without_data", QByteArray("RIFF\x04\0\0\0RMID", 12)},
        BrokenCase{"riff_chunk_too_long", QByteArray("RIFF\x10\0\0\0RMIDdata\xFF\0\0\0MThd", 24)}));

// A file cut anywhere, as a download or a copy that stopped, never reads as a
// shorter song.
TEST(MidiTruncated, EveryPrefixIsRefused)
{
    for (const bool wrapped : {false, true}) {
        QByteArray whole = MidiGenerator::song(Options{1, 480, 6, 480, {{960, 90}}});
        if (wrapped)
            whole = MidiGenerator::riff(whole);
        ASSERT_TRUE(MidiFile::parse(whole).file);
        for (qsizetype length = 0; length < whole.size(); ++length)
            EXPECT_FALSE(MidiFile::parse(QByteArrayView(whole).first(length)).file) << length << " " << wrapped;
    }
}

} // namespace
