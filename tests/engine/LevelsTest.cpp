// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Volume, balance and mute of the real engine: the values read back, levels out
// of range are refused, and the sound libmpv produces carries the gains.
#include "EngineMedia.h"
#include "engine/MpvEngine.h"

#include <QFile>
#include <QtEndian>

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <vector>

namespace {

struct LevelCase {
    int level;
    bool accepted;
};

std::ostream& operator<<(std::ostream& out, const LevelCase& c)
{
    return out << c.level << (c.accepted ? " accepted" : " refused");
}

class EngineVolume : public ::testing::TestWithParam<LevelCase> {};

TEST_P(EngineVolume, ReadsBackOrRefusesWithoutChange)
{
    MpvEngine engine(MpvEngine::VideoOutput::None, EngineMedia::silent());
    ASSERT_TRUE(engine.setVolume(-1234));
    EXPECT_EQ(engine.setVolume(GetParam().level), GetParam().accepted);
    EXPECT_EQ(engine.Volume(), GetParam().accepted ? GetParam().level : -1234);
}

INSTANTIATE_TEST_SUITE_P(Levels, EngineVolume,
                         ::testing::Values(LevelCase{0, true}, LevelCase{-600, true}, LevelCase{-9640, true},
                                           LevelCase{-10000, true}, LevelCase{1, false}, LevelCase{9640, false},
                                           LevelCase{-10001, false}, LevelCase{INT32_MIN, false}));

class EngineBalance : public ::testing::TestWithParam<LevelCase> {};

TEST_P(EngineBalance, ReadsBackOrRefusesWithoutChange)
{
    MpvEngine engine(MpvEngine::VideoOutput::None, EngineMedia::silent());
    ASSERT_TRUE(engine.setBalance(482));
    EXPECT_EQ(engine.setBalance(GetParam().level), GetParam().accepted);
    EXPECT_EQ(engine.Balance(), GetParam().accepted ? GetParam().level : 482);
}

INSTANTIATE_TEST_SUITE_P(Levels, EngineBalance,
                         ::testing::Values(LevelCase{0, true}, LevelCase{-9640, true}, LevelCase{9640, true},
                                           LevelCase{-10000, true}, LevelCase{10000, true}, LevelCase{482, true},
                                           LevelCase{10001, false}, LevelCase{-10001, false}));

// The levels belong to the engine, not to one file: they survive opening the
// next one, and can be set with nothing open.
TEST(EngineLevels, MuteAndLevelsHoldAcrossFiles)
{
    const EngineMedia& media = EngineMedia::get();
    MpvEngine engine(MpvEngine::VideoOutput::None, EngineMedia::silent());
    EXPECT_FALSE(engine.Mute());
    engine.setMute(true);
    ASSERT_TRUE(engine.setVolume(-2000));
    ASSERT_TRUE(engine.setBalance(-3000));
    for (const char* name : {"stereo.wav", "clip.mpg", "mono.wav"}) {
        engine.setFileName(media.path(QString::fromLatin1(name)));
        ASSERT_FALSE(engine.HasError());
        EXPECT_TRUE(engine.Mute());
        EXPECT_EQ(engine.Volume(), -2000);
        EXPECT_EQ(engine.Balance(), -3000);
    }
    engine.setMute(false);
    EXPECT_FALSE(engine.Mute());
}

struct SoundCase {
    const char* file;
    int volume;
    int balance;
    double leftDb;  // expected level of each output channel, dB relative to
    double rightDb; // the same file played at full volume and centred
};

std::ostream& operator<<(std::ostream& out, const SoundCase& c)
{
    return out << c.file << " volume " << c.volume << " balance " << c.balance;
}

class EngineSound : public ::testing::TestWithParam<SoundCase> {};

// Plays the file through libmpv's PCM writer at the case's levels and at 0 dB
// centred, and compares what came out channel by channel.
TEST_P(EngineSound, CarriesVolumeAndBalanceAsGains)
{
    const EngineMedia& media = EngineMedia::get();
    ASSERT_TRUE(media.ok);
    const SoundCase& c = GetParam();
    const auto play = [&](const QString& out, int volume, int balance) {
        MpvEngine engine(MpvEngine::VideoOutput::None,
                         {{QStringLiteral("ao"), QStringLiteral("pcm")},
                          {QStringLiteral("ao-pcm-file"), out},
                          {QStringLiteral("ao-pcm-waveheader"), QStringLiteral("yes")}});
        // Levels first, as the player restores them before it plays anything;
        // the balance is changed twice, so a second filter must replace the first.
        EXPECT_TRUE(engine.setVolume(volume));
        EXPECT_TRUE(engine.setBalance(5000));
        EXPECT_TRUE(engine.setBalance(balance));
        engine.setFileName(media.path(QString::fromLatin1(c.file)));
        EXPECT_FALSE(engine.HasError());
        EXPECT_TRUE(waitFor(
            [&] { return engine.CurrentPosition().value_or(0) >= engine.Duration().value_or(1e9); }, 8000));
        return EngineMedia::channelLevels(out);
    };
    const std::vector<double> reference = play(media.path("reference.wav"), 0, 0);
    const std::vector<double> levels = play(media.path("levels.wav"), c.volume, c.balance);
    ASSERT_FALSE(reference.empty());
    ASSERT_EQ(levels.size(), 2u) << "the output has both channels";

    const auto db = [](double level, double ref) { return 20.0 * std::log10(level / ref); };
    const double refLeft = reference.front();
    const double refRight = reference.back();
    EXPECT_NEAR(db(levels[0], refLeft), c.leftDb, 0.6);
    EXPECT_NEAR(db(levels[1], refRight), c.rightDb, 0.6);
}

INSTANTIATE_TEST_SUITE_P(
    Gains, EngineSound,
    ::testing::Values(SoundCase{"stereo.wav", -600, 0, -6.0, -6.0}, SoundCase{"stereo.wav", 0, 1200, -12.0, 0.0},
                      SoundCase{"stereo.wav", 0, -2000, 0.0, -20.0},
                      SoundCase{"stereo.wav", -1000, -600, -10.0, -16.0}));

// A mono file with a balance plays on both channels, the far one attenuated.
TEST(EngineSound, MonoPlaysOnBothChannelsWithBalance)
{
    const EngineMedia& media = EngineMedia::get();
    const QString out = media.path("mono-out.wav");
    {
        MpvEngine engine(MpvEngine::VideoOutput::None,
                         {{QStringLiteral("ao"), QStringLiteral("pcm")}, {QStringLiteral("ao-pcm-file"), out}});
        ASSERT_TRUE(engine.setBalance(-600));
        engine.setFileName(media.path("mono.wav"));
        ASSERT_FALSE(engine.HasError());
        ASSERT_TRUE(waitFor(
            [&] { return engine.CurrentPosition().value_or(0) >= engine.Duration().value_or(1e9); }, 8000));
    }
    const std::vector<double> levels = EngineMedia::channelLevels(out);
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_GT(levels[0], 0.05);
    EXPECT_NEAR(20.0 * std::log10(levels[1] / levels[0]), -6.0, 0.6);
}

} // namespace
