// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The ten options: what a stored file restores, what the exit writes, and how
// bad stored values fall back without taking the others with them.
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
#include "desktop/Settings.h"
#include "desktop/SettingValue.h"
#include "gui/Twips.h"
#include "gui/frmMain.h"
#include "support/FakeEngine.h"
#include "gui/VelkorCmd.h"

#include <sarv/Variateur.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// Where the window sits before the settings move it, in pixels.
constexpr int kDesignX = 40;
constexpr int kDesignY = 30;

struct Session {
    FakeEngine* fake = nullptr;
    std::unique_ptr<frmMain> window;
};

// Everything the settings reach, as one comparable record.
struct Applied {
    int x, y, volume;
    short scrlVol;
    bool shuffle, timeMode, muted, check1Pressed, repeatOn, repeatBox, panel, onTop, onTopWanted,
        onTopApplied, fit;

    bool operator==(const Applied&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Applied& a)
{
    return out << "pos " << a.x << "," << a.y << " vol " << a.volume << " scrlVol " << a.scrlVol
               << " suff " << a.shuffle << " time " << a.timeMode << " mute " << a.muted << "/"
               << a.check1Pressed << " repeat " << a.repeatOn << "/" << a.repeatBox << " panel "
               << a.panel << " ontop " << a.onTop << "/" << a.onTopWanted << "/" << a.onTopApplied
               << " fit " << a.fit;
}

const Applied kDefaults { kDesignX, kDesignY, 0, 10, false, true, false, false, false, false,
                          true, false, false, true, false };

class SettingsTest : public ::testing::Test {
protected:
    SettingsTest()
    {
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    }
    ~SettingsTest() override { qunsetenv("XDG_CONFIG_HOME"); }

    // Each stored file goes into a folder of its own: the settings reader keeps
    // files it has read and only notices a rewrite by its time and size.
    void writeStore(const QString& body)
    {
        qputenv("XDG_CONFIG_HOME",
                QStringLiteral("%1/%2").arg(m_config.path()).arg(++m_stores).toLocal8Bit());
        const QString path = Settings::storePath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(("[Options]\n" + body).toUtf8());
    }

    static QString stored(const QString& key)
    {
        QSettings store(Settings::storePath(), QSettings::IniFormat);
        return SettingValue::textOf(store.value(QStringLiteral("Options/") + key));
    }

    // A fresh main window, loaded from the store.
    static Session start()
    {
        Session s;
        s.window = std::make_unique<TestMain>([&s] {
            auto engine = std::make_unique<FakeEngine>();
            s.fake = engine.get();
            return engine;
        });
        s.window->core().clock().stop();
        s.window->move(kDesignX, kDesignY);
        s.window->loadSettings();
        return s;
    }

    static Applied applied(const Session& s)
    {
        frmMain& w = *s.window;
        return { w.x(),
                 w.y(),
                 s.fake->volume,
                 control<sarv::Variateur>(w, "scrlVol")->Value(),
                 control<QCheckBox>(w, "chkSuffle")->isChecked(),
                 w.core().TimeMode(),
                 s.fake->muted,
                 control<VelkorCmd>(w, "Check1")->Value() == 1,
                 w.core().RepeatOn(),
                 control<QCheckBox>(w, "chkRepeat")->isChecked(),
                 control<QCheckBox>(w, "chkPlay")->isChecked(),
                 control<QAction>(w, "mnuOnTop")->isChecked(),
                 w.core().OnTopWanted(),
                 w.core().OnTopApplied(),
                 control<QAction>(w, "mnuFit")->isChecked() };
    }

    static QString twipsX(int px) { return SettingValue::fromCoordinate(Twips::fromPixelsX(px)); }
    static QString twipsY(int px) { return SettingValue::fromCoordinate(Twips::fromPixelsY(px)); }
    QString configRoot() const { return m_config.path(); }

private:
    QTemporaryDir m_config;
    int m_stores = 0;
};

TEST_F(SettingsTest, StoreLivesInTheUserConfigFolder)
{
    EXPECT_TRUE(Settings::storePath().endsWith(QStringLiteral("/velkor-player/velkor-player.ini")));
    EXPECT_TRUE(Settings::storePath().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
}

TEST_F(SettingsTest, EmptyStoreGivesDefaults)
{
    const Session s = start();
    EXPECT_EQ(applied(s), kDefaults);
    EXPECT_EQ(control<VelkorCmd>(*s.window, "Check1")->Caption(), QStringLiteral("U"));
}

TEST_F(SettingsTest, VolumeFindsItsSliderPosition)
{
    const struct {
        const char* stored;
        int volume;
        short slider;
    } cases[] = {
        { "-1390", -1390, 2 }, { "-9640", -9640, 0 }, { "0", 0, 10 },
        // Not one of the slider's levels: the engine takes it, the slider stays.
        { "-1000", -1000, 10 },
    };
    for (const auto& c : cases) {
        writeStore(QStringLiteral("Vol=%1\n").arg(QLatin1String(c.stored)));
        const Session s = start();
        EXPECT_EQ(s.fake->volume, c.volume) << c.stored;
        EXPECT_EQ(control<sarv::Variateur>(*s.window, "scrlVol")->Value(), c.slider) << c.stored;
    }
}

TEST_F(SettingsTest, ShuffleAnyNonZeroChecksAndIsWrittenBackAsOne)
{
    writeStore(QStringLiteral("suff=5\n"));
    const Session s = start();
    EXPECT_TRUE(control<QCheckBox>(*s.window, "chkSuffle")->isChecked());
    s.window->saveSettings();
    EXPECT_EQ(stored(QStringLiteral("suff")), QStringLiteral("1"));
}

TEST_F(SettingsTest, BooleanForms)
{
    const struct {
        const char* text;
        bool value;
    } cases[] = {
        { "True", true },   { "true", true },   { "TRUE", true },   { "1", true },
        { "-1", true },     { " True ", true }, { "False", false }, { "false", false },
        { "FALSE", false }, { "0", false },
    };
    for (const auto& c : cases) {
        writeStore(QStringLiteral("repeat=%1\nmute=%1\nOntop=%1\nFitToSize=%1\ntimemode=%1\n")
                       .arg(QLatin1String(c.text)));
        const Session s = start();
        const Applied a = applied(s);
        EXPECT_EQ(a.repeatOn, c.value) << c.text;
        EXPECT_EQ(a.repeatBox, c.value) << c.text;
        EXPECT_EQ(a.muted, c.value) << c.text;
        EXPECT_EQ(a.onTopWanted, c.value) << c.text;
        EXPECT_EQ(a.onTopApplied, !c.value) << c.text;
        EXPECT_EQ(a.fit, c.value) << c.text;
        EXPECT_EQ(a.timeMode, c.value) << c.text;
    }
}

TEST_F(SettingsTest, WindowIsKeptOnTheScreen)
{
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const struct {
        int left, top;
        int x, y;
    } cases[] = {
        { 100, 50, 100, 50 },
        { screen.width() + 10, 50, 0, 0 },
        { -20, 50, 0, 0 },
        { 100, -20, 0, 0 },
        // Below the bottom edge with the left inside: left where it is.
        { 100, screen.height() + 40, 100, screen.height() + 40 },
    };
    for (const auto& c : cases) {
        writeStore(QStringLiteral("top=%1\nleft=%2\n").arg(twipsY(c.top), twipsX(c.left)));
        const Session s = start();
        EXPECT_EQ(s.window->pos(), QPoint(c.x, c.y)) << c.left << "," << c.top;
    }
}

TEST_F(SettingsTest, MutedAtExitIsMutedAtNextStart)
{
    {
        const Session s = start();
        s.window->core().setMute(true);
        s.window->saveSettings();
    }
    EXPECT_EQ(stored(QStringLiteral("mute")), QStringLiteral("True"));
    const Session s = start();
    EXPECT_TRUE(s.fake->muted);
    EXPECT_EQ(control<VelkorCmd>(*s.window, "Check1")->Value(), 1);
    // The button shows the muted glyph, so one click turns the sound back on.
    EXPECT_EQ(control<VelkorCmd>(*s.window, "Check1")->Caption(), QStringLiteral("V"));
}

TEST_F(SettingsTest, EverythingWrittenAtExitComesBack)
{
    Applied written;
    {
        const Session s = start();
        frmMain& w = *s.window;
        w.move(120, 90);
        control<sarv::Variateur>(w, "scrlVol")->setValue(3);
        control<QCheckBox>(w, "chkSuffle")->setChecked(true);
        w.core().setTimeMode(false);
        w.core().setMute(true);
        control<QCheckBox>(w, "chkRepeat")->setChecked(true);
        control<QCheckBox>(w, "chkPlay")->setChecked(false);
        w.core().setOnTopWanted(true);
        w.core().setFitToSize(true);
        w.saveSettings();
        written = applied(s);
    }
    EXPECT_EQ(stored(QStringLiteral("Vol")), QStringLiteral("-1040"));
    EXPECT_EQ(stored(QStringLiteral("timemode")), QStringLiteral("False"));
    EXPECT_EQ(stored(QStringLiteral("left")), twipsX(120));

    const Session s = start();
    Applied expected = written;
    expected.repeatOn = true;      // RepeatOn follows the stored box
    expected.onTopWanted = true;   // and the on-top flags the check mark,
    expected.onTopApplied = false; // to be applied by the next update
    expected.check1Pressed = true;
    EXPECT_EQ(applied(s), expected);
}

TEST_F(SettingsTest, EachBadValueFallsBackAlone)
{
    const QStringList good = {
        QStringLiteral("top=") + twipsY(60), QStringLiteral("left=") + twipsX(70),
        QStringLiteral("Vol=-1390"),         QStringLiteral("suff=1"),
        QStringLiteral("timemode=False"),    QStringLiteral("mute=True"),
        QStringLiteral("repeat=True"),       QStringLiteral("play=0"),
        QStringLiteral("Ontop=True"),        QStringLiteral("FitToSize=True"),
    };
    const Applied goodApplied { 70,   60,   -1390, 2,    true, false, true, true,
                                true, true, false, true, true, false, true };
    {
        writeStore(good.join(QLatin1Char('\n')));
        EXPECT_EQ(applied(start()), goodApplied);
    }

    const struct {
        const char* key;
        const char* bad;
        void (*fallBack)(Applied&);
    } cases[] = {
        { "top", "haut", [](Applied& a) { a.y = kDesignY; } },
        { "top", "1e30", [](Applied& a) { a.y = kDesignY; } },
        { "left", "", [](Applied& a) { a.x = kDesignX; } },
        { "Vol", "5000", [](Applied& a) { a.volume = 0, a.scrlVol = 10; } },
        { "Vol", "fort", [](Applied& a) { a.volume = 0, a.scrlVol = 10; } },
        { "suff", "oui", [](Applied& a) { a.shuffle = false; } },
        { "timemode", "toujours", [](Applied& a) { a.timeMode = true; } },
        { "mute", "peut-être", [](Applied& a) { a.muted = false, a.check1Pressed = false; } },
        { "repeat", "2 fois", [](Applied& a) { a.repeatOn = false, a.repeatBox = false; } },
        { "play", "2", [](Applied& a) { a.panel = true; } },
        { "Ontop", "haut", [](Applied& a) { a.onTop = false, a.onTopWanted = false, a.onTopApplied = true; } },
        { "FitToSize", "x", [](Applied& a) { a.fit = false; } },
    };
    for (const auto& c : cases) {
        QStringList lines = good;
        const QString key = QString::fromLatin1(c.key) + QLatin1Char('=');
        for (QString& line : lines) {
            if (line.startsWith(key))
                line = key + QString::fromUtf8(c.bad);
        }
        writeStore(lines.join(QLatin1Char('\n')));
        Applied expected = goodApplied;
        c.fallBack(expected);
        EXPECT_EQ(applied(start()), expected) << c.key << "=" << c.bad;
    }
}

TEST_F(SettingsTest, SaveReplacesTheFileAtomically)
{
    writeStore(QStringLiteral("Vol=-1390\n"));
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(Settings::storePath()).constData(), &before), 0);
    {
        const Session s = start();
        s.window->saveSettings();
    }
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(Settings::storePath()).constData(), &after), 0);
    // A new file renamed over the old one, not the old one rewritten in place.
    EXPECT_NE(before.st_ino, after.st_ino);
    EXPECT_EQ(stored(QStringLiteral("Vol")), QStringLiteral("-1390"));
    const QStringList leftovers = QDir(QFileInfo(Settings::storePath()).absolutePath())
                                      .entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(leftovers, QStringList { QStringLiteral("velkor-player.ini") });
}

TEST_F(SettingsTest, UnwritableFolderLeavesTheOldFileWhole)
{
    writeStore(QStringLiteral("Vol=-1390\nsuff=1\n"));
    const QString folder = QFileInfo(Settings::storePath()).absolutePath();
    // Readable and searchable by everyone on the way, writable by nobody.
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
        | QFile::ReadOther | QFile::ExeOther;
    for (QString dir = QFileInfo(folder).absolutePath(); dir.startsWith(configRoot());
         dir = QFileInfo(dir).absolutePath())
        QFile::setPermissions(dir, readOnly | QFile::WriteOwner);
    {
        const Session s = start();
        s.fake->setVolume(-600);
        QFile::setPermissions(folder, readOnly);
        EXPECT_TRUE(runUnprivileged([&] {
            s.window->saveSettings();
            return true;
        }));
        QFile::setPermissions(folder, readOnly | QFile::WriteOwner);
    }
    // The file itself, not what this process still holds of it.
    QFile file(Settings::storePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[Options]\nVol=-1390\nsuff=1\n"));
}

} // namespace
