// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// MIDI files through the real engine: FluidSynth's sound in libmpv's audio
// chain, durations through tempo changes, seeking, and files that cannot play.
#include "EngineMedia.h"
#include "engine/MpvEngine.h"
#include "engine/SoundFontPath.h"
#include "support/MediaGenerator.h"
#include "support/MidiGenerator.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace {

using Options = MidiGenerator::Options;

// Eight notes: four at 120 beats a minute, four at 60: six seconds.
const Options kSlowingSong{1, 480, 8, 480, {{1920, 60}}};

struct MidiMedia {
    QTemporaryDir dir;
    bool ok = false;
    QString path(const QString& name) const { return dir.filePath(name); }

    static const MidiMedia& get()
    {
        static MidiMedia media;
        return media;
    }

private:
    MidiMedia()
    {
        const QByteArray song = MidiGenerator::song(kSlowingSong);
        ok = dir.isValid() && MidiGenerator::write(path("slowing.mid"), song)
            && MidiGenerator::write(path("slowing0.MID"), MidiGenerator::song(Options{0, 480, 8, 480, {{1920, 60}}}))
            && MidiGenerator::write(path("wrapped.rmi"), MidiGenerator::riff(song))
            && MidiGenerator::write(path("midi-named.bin"), song)
            && MidiGenerator::write(path("short.mid"), MidiGenerator::song(Options{1, 480, 2, 240, {}}))
            && MidiGenerator::write(path("long.mid"), MidiGenerator::song(Options{1, 480, 1200, 480, {}}))
            // Fifteen seconds a note: six hours, within what the stream can
            // hold; then one note of 2^28 ticks: more than a century.
            && MidiGenerator::write(path("sixhours.mid"), MidiGenerator::song(Options{1, 1, 1440, 1, {{0, 4}}}))
            && MidiGenerator::write(path("endless.mid"), MidiGenerator::song(Options{1, 1, 1, 0x0FFFFFFF, {{0, 4}}}))
            && MidiGenerator::write(path("truncated.mid"), song.first(song.size() - 7))
            && MidiGenerator::write(path("garbage.mid"), QByteArray(300, 'x'))
            && MidiGenerator::write(path("notracks.mid"), QByteArray("MThd\0\0\0\6\0\1\0\0\1\xE0", 14))
            && MidiGenerator::write(path("cut.rmi"), MidiGenerator::riff(song).first(40));
    }
};

MpvEngine::Options pcmTo(const QString& out)
{
    return {{QStringLiteral("ao"), QStringLiteral("pcm")},
            {QStringLiteral("ao-pcm-file"), out},
            {QStringLiteral("ao-pcm-waveheader"), QStringLiteral("yes")}};
}

bool playToEnd(MpvEngine& engine)
{
    return waitFor(
        [&] { return engine.CurrentPosition().value_or(0) >= engine.Duration().value_or(1e9); }, 30000);
}

struct SongCase {
    const char* name;
    double seconds;
};

std::ostream& operator<<(std::ostream& out, const SongCase& c)
{
    return out << c.name;
}

class MidiOpen : public ::testing::TestWithParam<SongCase> {};

TEST_P(MidiOpen, OpensWithTheDurationOfItsNotes)
{
    const MidiMedia& media = MidiMedia::get();
    ASSERT_TRUE(media.ok);
    MpvEngine engine(MpvEngine::VideoOutput::None, EngineMedia::silent());
    engine.setFileName(media.path(QString::fromLatin1(GetParam().name)));
    ASSERT_FALSE(engine.HasError()) << engine.ErrorDescription().toStdString();
    ASSERT_TRUE(engine.Duration().has_value());
    EXPECT_NEAR(*engine.Duration(), GetParam().seconds, 0.5);
    const double start = engine.CurrentPosition().value_or(-1);
    EXPECT_GE(start, 0.0);
    EXPECT_TRUE(waitFor([&] { return engine.CurrentPosition().value_or(0) > start + 0.2; }, 5000))
        << "the position advances";
}

INSTANTIATE_TEST_SUITE_P(Songs, MidiOpen,
                         ::testing::Values(SongCase{"slowing.mid", 6.0}, SongCase{"slowing0.MID", 6.0},
                                           SongCase{"wrapped.rmi", 6.0}, SongCase{"midi-named.bin", 6.0},
                                           SongCase{"long.mid", 600.0}, SongCase{"sixhours.mid", 21600.0}));

// What FluidSynth makes reaches the output through the same chain as any file:
// real sound on both sides, and the volume scales it by its decibels.
TEST(MidiSound, ComesOutThroughTheVolume)
{
    const MidiMedia& media = MidiMedia::get();
    ASSERT_TRUE(media.ok);
    const auto play = [&](const QString& out, int volume) {
        MpvEngine engine(MpvEngine::VideoOutput::None, pcmTo(out));
        EXPECT_TRUE(engine.setVolume(volume));
        engine.setFileName(media.path("short.mid"));
        EXPECT_FALSE(engine.HasError()) << engine.ErrorDescription().toStdString();
        EXPECT_TRUE(playToEnd(engine));
        return EngineMedia::channelLevels(out);
    };
    const std::vector<double> full = play(media.path("full.wav"), 0);
    const std::vector<double> quiet = play(media.path("quiet.wav"), -2000);
    ASSERT_EQ(full.size(), 2u);
    ASSERT_EQ(quiet.size(), 2u);
    for (int c = 0; c < 2; ++c) {
        EXPECT_GT(full[c], 0.01) << "channel " << c << " is not silent";
        EXPECT_NEAR(20.0 * std::log10(quiet[c] / full[c]), -20.0, 0.6) << "channel " << c;
    }
}

// A seek lands on the tick of that moment through the tempo change: what plays
// from there lasts the rest of the song, and it is not silence. The file
// output is untimed, so it writes sound from the start until the pause takes
// hold, as much as a busy machine lets it; that part is muted, and only what
// sounds counts. Both targets are the start of a note after the slowing.
TEST(MidiSeek, PlaysTheRestOfTheSongFromTheTarget)
{
    const MidiMedia& media = MidiMedia::get();
    ASSERT_TRUE(media.ok);
    struct Seek {
        double target;
    };
    for (const Seek s : {Seek{3.0}, Seek{4.0}}) {
        const QString out = media.path(QStringLiteral("seek%1.wav").arg(s.target));
        {
            MpvEngine engine(MpvEngine::VideoOutput::None, pcmTo(out));
            engine.setMute(true);
            engine.setFileName(media.path("slowing.mid"));
            ASSERT_FALSE(engine.HasError());
            engine.Pause();
            engine.setMute(false);
            ASSERT_TRUE(engine.setCurrentPosition(s.target));
            EXPECT_NEAR(engine.CurrentPosition().value_or(-1), s.target, 0.1);
            engine.Play();
            EXPECT_TRUE(playToEnd(engine));
        }
        const qint64 frames = EngineMedia::soundingFrames(out);
        EXPECT_NEAR(frames / 44100.0, 6.0 - s.target, 0.25) << s.target;
        const std::vector<double> levels = EngineMedia::channelLevels(out);
        ASSERT_EQ(levels.size(), 2u);
        EXPECT_GT(levels[0], 0.005) << s.target;
    }
}

TEST(MidiEnd, PositionReachesTheDuration)
{
    const MidiMedia& media = MidiMedia::get();
    ASSERT_TRUE(media.ok);
    MpvEngine engine(MpvEngine::VideoOutput::None, EngineMedia::silent(4.0));
    engine.setFileName(media.path("short.mid"));
    ASSERT_FALSE(engine.HasError());
    EXPECT_TRUE(playToEnd(engine));
    EXPECT_NEAR(engine.CurrentPosition().value_or(0), engine.Duration().value_or(-1), 0.05);
}

struct BrokenCase {
    const char* name;
    const char* says = "MIDI"; // in the error description
};

std::ostream& operator<<(std::ostream& out, const BrokenCase& c)
{
    return out << c.name;
}

class MidiBrokenFile : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(MidiBrokenFile, FailsWithAMessageAndTheNextFileStillPlays)
{
    const MidiMedia& media = MidiMedia::get();
    ASSERT_TRUE(media.ok);
    MpvEngine engine(MpvEngine::VideoOutput::None, EngineMedia::silent());
    engine.setFileName(media.path(QString::fromLatin1(GetParam().name)));
    EXPECT_TRUE(engine.HasError());
    EXPECT_TRUE(engine.ErrorDescription().contains(QString::fromUtf8(GetParam().says)))
        << engine.ErrorDescription().toStdString();
    EXPECT_FALSE(engine.Duration().has_value());
    engine.setFileName(media.path("short.mid"));
    EXPECT_FALSE(engine.HasError()) << engine.ErrorDescription().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Files, MidiBrokenFile,
                         ::testing::Values(BrokenCase{"truncated.mid"}, BrokenCase{"garbage.mid"},
                                           BrokenCase{"notracks.mid"}, BrokenCase{"cut.rmi"},
                                           BrokenCase{"endless.mid", "MIDI trop long"}));

// The variable names the only SoundFont tried, so the machine's own stays out.
class SoundFontOverride {
public:
    explicit SoundFontOverride(const QByteArray& path)
        : m_had(qEnvironmentVariableIsSet(SoundFontPath::kOverride))
        , m_old(qgetenv(SoundFontPath::kOverride))
    {
        qputenv(SoundFontPath::kOverride, path);
    }
    ~SoundFontOverride()
    {
        if (m_had)
            qputenv(SoundFontPath::kOverride, m_old);
        else
            qunsetenv(SoundFontPath::kOverride);
    }

private:
    bool m_had;
    QByteArray m_old;
};

TEST(MidiSoundFont, NoneInstalledSaysWhatIsMissing)
{
    const MidiMedia& media = MidiMedia::get();
    ASSERT_TRUE(media.ok);
    MpvEngine engine(MpvEngine::VideoOutput::None, EngineMedia::silent());
    {
        SoundFontOverride none(QFile::encodeName(media.path("nowhere.sf2")));
        engine.setFileName(media.path("slowing.mid"));
        EXPECT_TRUE(engine.HasError());
        EXPECT_TRUE(engine.ErrorDescription().contains(QLatin1String("SoundFont")))
            << engine.ErrorDescription().toStdString();
        EXPECT_TRUE(engine.ErrorDescription().contains(QLatin1String("fluid-soundfont-gm")));
    }
    // A file that is no SoundFont fails the open the same clean way.
    {
        ASSERT_TRUE(MediaGenerator::text(media.path("broken.sf2"), QByteArray(4096, 'z')));
        SoundFontOverride broken(QFile::encodeName(media.path("broken.sf2")));
        engine.setFileName(media.path("slowing.mid"));
        EXPECT_TRUE(engine.HasError());
        EXPECT_TRUE(engine.ErrorDescription().contains(QLatin1String("banque de sons")))
            << engine.ErrorDescription().toStdString();
    }
    engine.setFileName(media.path("slowing.mid"));
    EXPECT_FALSE(engine.HasError()) << engine.ErrorDescription().toStdString();
}

} // namespace
