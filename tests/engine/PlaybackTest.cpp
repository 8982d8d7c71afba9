// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing with the real engine: the end of a file, seeking, Stop and Pause.
#include "EngineMedia.h"
#include "engine/MpvEngine.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace {

double position(const MpvEngine& engine)
{
    return engine.CurrentPosition().value_or(-1.0);
}

class EngineEnd : public ::testing::TestWithParam<const char*> {};

// The player's end-of-track test is Duration <= CurrentPosition; the media must
// stay open at its end for it to hold.
TEST_P(EngineEnd, StaysOpenWithThePositionAtTheDuration)
{
    const EngineMedia& media = EngineMedia::get();
    ASSERT_TRUE(media.ok);
    MpvEngine engine(MpvEngine::VideoOutput::None, EngineMedia::silent(4.0));
    const QString path = media.path(QString::fromLatin1(GetParam()));
    engine.setFileName(path);
    ASSERT_FALSE(engine.HasError()) << engine.ErrorDescription().toStdString();

    const auto atEnd = [&] {
        const auto duration = engine.Duration();
        const auto pos = engine.CurrentPosition();
        return duration && pos && *duration <= *pos;
    };
    ASSERT_TRUE(waitFor(atEnd, 5000)) << "position " << position(engine);
    QTest::qWait(200);
    EXPECT_TRUE(atEnd());
    EXPECT_EQ(engine.FileName(), path);
    EXPECT_FALSE(engine.HasError());

    // Opening again after the end starts playing again (the end's pause does
    // not carry over).
    engine.setFileName(path);
    EXPECT_TRUE(waitFor([&] { return position(engine) > 0.2; }, 3000));
    EXPECT_FALSE(atEnd());
}

INSTANTIATE_TEST_SUITE_P(Media, EngineEnd, ::testing::Values("stereo.wav", "clip.mpg", "clip.avi", "song.mp3"));

struct SeekCase {
    const char* file;
    double target;
    double expected;
};

std::ostream& operator<<(std::ostream& out, const SeekCase& c)
{
    return out << c.file << " to " << c.target;
}

class EngineSeek : public ::testing::TestWithParam<SeekCase> {};

TEST_P(EngineSeek, ReadRightAfterTheWriteAnswersTheNewPosition)
{
    const EngineMedia& media = EngineMedia::get();
    ASSERT_TRUE(media.ok);
    MpvEngine engine(MpvEngine::VideoOutput::None, EngineMedia::silent());
    engine.setFileName(media.path(QString::fromLatin1(GetParam().file)));
    ASSERT_FALSE(engine.HasError());
    engine.Pause();

    ASSERT_TRUE(engine.setCurrentPosition(GetParam().target));
    ASSERT_TRUE(engine.CurrentPosition().has_value());
    // The target itself, or libmpv's position if it got there already.
    EXPECT_NEAR(*engine.CurrentPosition(), GetParam().expected, 0.01);
    // Once libmpv has restarted there, the position it reports agrees. A
    // loaded machine may take a while to get there, so wait for it. libmpv
    // counts the sound handed to the output but not yet heard as not played:
    // after a seek made while paused it can read up to the output's buffer
    // (0.2 s for the null output) short of the target.
    constexpr double kOutputBuffer = 0.2;
    const double expected = GetParam().expected;
    const auto agrees = [&] {
        const double reported = position(engine);
        return reported <= expected + 0.1 && reported >= expected - kOutputBuffer - 0.05;
    };
    EXPECT_TRUE(waitFor(agrees, 5000)) << "position " << position(engine);
    QTest::qWait(100);
    EXPECT_TRUE(agrees()) << "position " << position(engine) << ", target " << expected;
}

INSTANTIATE_TEST_SUITE_P(Targets, EngineSeek,
                         ::testing::Values(SeekCase{"stereo.wav", 1.25, 1.25}, SeekCase{"stereo.wav", 0.0, 0.0},
                                           SeekCase{"stereo.wav", -3.0, 0.0}, SeekCase{"clip.mpg", 1.0, 1.0},
                                           SeekCase{"song.mp3", 0.5, 0.5}));

TEST(EngineSeek, PastTheEndReadsTheDuration)
{
    const EngineMedia& media = EngineMedia::get();
    MpvEngine engine(MpvEngine::VideoOutput::None, EngineMedia::silent());
    engine.setFileName(media.path("stereo.wav"));
    ASSERT_TRUE(engine.setCurrentPosition(99.0));
    const double duration = engine.Duration().value_or(0.0);
    EXPECT_NEAR(position(engine), duration, 0.01);
    QTest::qWait(300);
    EXPECT_LE(duration, position(engine));
}

TEST(EngineSeek, RewindAfterTheEndPlaysAgain)
{
    const EngineMedia& media = EngineMedia::get();
    MpvEngine engine(MpvEngine::VideoOutput::None, EngineMedia::silent(4.0));
    engine.setFileName(media.path("stereo.wav"));
    ASSERT_TRUE(waitFor([&] { return position(engine) >= engine.Duration().value_or(1e9); }, 5000));

    // What the player does at the end: Stop, rewind, and later Play.
    engine.Stop();
    ASSERT_TRUE(engine.setCurrentPosition(0.0));
    EXPECT_EQ(position(engine), 0.0);
    engine.Play();
    EXPECT_TRUE(waitFor([&] { return position(engine) > 0.3; }, 3000));
    EXPECT_LT(position(engine), engine.Duration().value_or(0.0));
}

// Stop halts without rewinding; Pause likewise; Play goes on from there.
TEST(EngineTransport, StopAndPauseKeepThePosition)
{
    const EngineMedia& media = EngineMedia::get();
    MpvEngine engine(MpvEngine::VideoOutput::None, EngineMedia::silent());
    engine.setFileName(media.path("stereo.wav"));
    ASSERT_TRUE(waitFor([&] { return position(engine) > 0.3; }, 3000));

    for (auto halt : {&MpvEngine::Stop, &MpvEngine::Pause}) {
        (engine.*halt)();
        QTest::qWait(50);
        const double halted = position(engine);
        EXPECT_GT(halted, 0.2);
        QTest::qWait(300);
        EXPECT_NEAR(position(engine), halted, 0.02);
        EXPECT_EQ(engine.FileName(), media.path("stereo.wav"));

        engine.Play();
        EXPECT_TRUE(waitFor([&] { return position(engine) > halted + 0.1; }, 3000));
    }
}

// Without a usable sound device, files still play, silently, with the position
// advancing.
TEST(EngineTransport, PlaysWithoutASoundDevice)
{
    const EngineMedia& media = EngineMedia::get();
    MpvEngine engine(MpvEngine::VideoOutput::None, {{QStringLiteral("ao"), QStringLiteral("alsa")},
                                                     {QStringLiteral("audio-device"), QStringLiteral("alsa/no-such-card")}});
    engine.setFileName(media.path("stereo.wav"));
    ASSERT_FALSE(engine.HasError()) << engine.ErrorDescription().toStdString();
    EXPECT_TRUE(waitFor([&] { return position(engine) > 0.3; }, 3000));
}

} // namespace
