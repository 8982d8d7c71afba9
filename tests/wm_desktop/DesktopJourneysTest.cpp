// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The built program as a desktop sees it: a quick click or a tap on the skin
// leaves the window where it was; the windows carry the player's icon and the
// class the menu entry names; the splash is a splash screen; a playlist file
// on the command line is loaded and its first entry plays, in a video window
// that stays out of the task bar and shows the picture in its colours.
#include "Program.h"
#include "X11Desktop.h"

#include "gui/AppIcon.h"
#include "gui/Twips.h"

#include <QFile>
#include <QImage>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using X11Desktop::Id;

namespace {

// The images of the player's icon that a window of a screen scaled by `scale`
// carries: each size of the icon at the screen's scale, as large as the
// largest image the icon has.
QStringList expectedIconSizes(double scale)
{
    const QList<QSize> available = AppIcon::icon().availableSizes();
    int largest = 0;
    for (const QSize& size : available)
        largest = std::max(largest, size.width());
    QStringList sizes;
    for (const QSize& size : available) {
        const int side = std::min(largest, qRound(size.width() * scale));
        sizes << QString::number(side) + QLatin1Char('x') + QString::number(side);
    }
    return sizes;
}

// The colour of the middle of the video window's drawing area, as the screen
// shows it.
QRgb pictureColour(Id window)
{
    const QImage shot = X11Desktop::contents(window);
    if (shot.isNull())
        return 0;
    if (const QString dir = qEnvironmentVariable("VELKOR_SCREENSHOT_DIR"); !dir.isEmpty())
        shot.save(dir + QStringLiteral("/video-window.png"));
    return shot.pixel(shot.width() / 3, shot.height() / 3);
}

bool near(QRgb colour, QRgb wanted)
{
    return std::abs(qRed(colour) - qRed(wanted)) <= 12 && std::abs(qGreen(colour) - qGreen(wanted)) <= 12
        && std::abs(qBlue(colour) - qBlue(wanted)) <= 12;
}

QString describe(QRgb colour)
{
    return QStringLiteral("#%1").arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

} // namespace

// A press and release with no movement between them (xdotool sends both at
// once, as a touchpad tap does) is a click: the window stays where it was when
// the pointer goes on, and keys still reach the player.
TEST(QuickClick, LeavesTheWindowWhereItWas)
{
    Program program(false, {});
    ASSERT_TRUE(program.start({}));
    const Id main = program.mainWindow;
    struct Place {
        const char* name;
        QPoint twips;
    };
    const Place places[] = { { "title label", { 900 + 1800, 45 + 90 } },
        { "background", { 300, 1400 } } };
    bool above = false;
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        const QRect before = X11Desktop::geometry(main);
        program.click(program.at(place.twips.x(), place.twips.y()));
        QTest::qWait(200);
        X11Desktop::xdotool({ QStringLiteral("mousemove_relative"), QStringLiteral("--"),
            QStringLiteral("150"), QStringLiteral("110") });
        QTest::qWait(600);
        EXPECT_EQ(X11Desktop::geometry(main).topLeft(), before.topLeft());
        // Ctrl+L ("P&remier plan") reaches the player, not a window manager
        // still busy moving the window.
        above = !above;
        program.key(QStringLiteral("ctrl+l"));
        EXPECT_TRUE(waitFor([&] { return program.mainAbove() == above; }, 3000));
    }
    EXPECT_GE(program.quit(Program::Quit::Sigterm), 0);
}

TEST(DesktopIntegration, PlaylistFileFromTheCommandLinePlaysInAWindowOfThePlayer)
{
    ASSERT_TRUE(media().ready);
    Program program(false, {});
    const QString list = program.dataFolder() + QStringLiteral("/soirée.lst");
    const QByteArray entries = '"' + QFile::encodeName(media().colour) + "\"\r\n\"-\"\r\n";
    {
        QFile file(list);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(entries);
    }
    ASSERT_TRUE(program.start({ list }));
    const Id main = program.mainWindow;
    // The player is an X11 client (its windows are on the X display), at its
    // stored place (1500 twips from the left and the top).
    EXPECT_EQ(X11Desktop::geometry(main).topLeft(), program.pixels(1500, 1500));

    EXPECT_TRUE(program.windowTypesBeforeMain.join(u' ').contains(
        QStringLiteral("_NET_WM_WINDOW_TYPE_SPLASH")))
        << program.windowTypesBeforeMain.join(u' ').toStdString();
    // The menu entry's StartupWMClass is the windows' class, so the desktop
    // ties the running windows to the entry (and its icon).
    const QSettings entry(QStringLiteral(VELKOR_DESKTOP_ENTRY), QSettings::IniFormat);
    const QString wmClass = entry.value(QStringLiteral("Desktop Entry/StartupWMClass")).toString();
    EXPECT_FALSE(wmClass.isEmpty());
    EXPECT_TRUE(X11Desktop::property(main, QStringLiteral("WM_CLASS"))
                    .endsWith(QLatin1Char('"') + wmClass + QLatin1Char('"')))
        << X11Desktop::property(main, QStringLiteral("WM_CLASS")).toStdString();

    // The list's first entry plays in the video window, which shows its
    // picture in its own colours and has no task-bar entry of its own.
    ASSERT_TRUE(program.waitForWindows([](const QList<Id>& w) { return w.size() >= 2; }));
    Id video = 0;
    for (Id w : program.windows())
        if (w != main)
            video = w;
    if (X11Desktop::wmSupports(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR"))) {
        EXPECT_TRUE(X11Desktop::netWmState(video).contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")));
    }
    EXPECT_FALSE(X11Desktop::netWmState(main).contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")));
    const QRgb blue = qRgb(0x20, 0x60, 0xC0);
    EXPECT_TRUE(waitFor([&] { return near(pictureColour(video), blue); }, 10000))
        << describe(pictureColour(video)).toStdString();

    for (Id w : { main, video }) {
        SCOPED_TRACE(w);
        EXPECT_EQ(X11Desktop::iconSizes(w).join(u' ').toStdString(),
            expectedIconSizes(program.scale()).join(u' ').toStdString());
    }

    EXPECT_GE(program.quit(Program::Quit::Sigterm), 0);
    EXPECT_EQ(program.file(program.lastListPath()), entries);
}
