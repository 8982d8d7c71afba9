// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The skinned widgets: symbol captions, pressed state, bar values, the
// rounded window shape, and the step runner of start-up and shutdown.
#include "core/StepRunner.h"
#include "gui/WindowShape.h"
#include "gui/VelkorCheck.h"
#include "gui/VelkorCmd.h"
#include "gui/VelkorPBar.h"

#include <QFontMetrics>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

TEST(VelkorCmd, SymbolCaptionsDrawAsUnicodeSymbols)
{
    struct Case {
        const char* font;
        QString caption;
        QStringList acceptable; // the symbol, or the fallback drawn with the DejaVu fonts
    };
    const QList<Case> cases = {
        { "Webdings", "4", { "\u25B6" } },
        { "Webdings", ";", { "\u23F8", "\u275A\u275A" } },
        { "Webdings", "<", { "\u25A0" } },
        { "Webdings", "9", { "\u23EE", "\u275A\u25C0\u25C0" } },
        { "Webdings", ":", { "\u23ED", "\u25B6\u25B6\u275A" } },
        { "Webdings", "U", { "\U0001F50A", "\u266B" } },
        { "Webdings", "V", { "\U0001F507", "\u2715" } },
        { "Webdings", QString(QChar(190)), { "\u26F6", "\u2922", "\u2B1A" } },
        { "wingdings", "1", { "\U0001F4C2", "\U0001F5C1", "\u23CF" } },
    };
    for (const Case& c : cases) {
        VelkorCmd button(c.caption);
        button.resize(28, 20);
        button.setFont(QFont(QString::fromLatin1(c.font)));
        EXPECT_EQ(button.Caption(), c.caption);
        EXPECT_TRUE(c.acceptable.contains(button.displayText()))
            << c.caption.toStdString() << " -> " << button.displayText().toStdString();
        // The chosen font really has the symbol.
        const QFontMetrics metrics(button.displayFont());
        for (const char32_t cp : button.displayText().toUcs4())
            EXPECT_TRUE(metrics.inFontUcs4(cp)) << c.caption.toStdString();
    }
    // The same characters in an ordinary font are plain text.
    VelkorCmd plain(QStringLiteral("4"));
    EXPECT_EQ(plain.displayText(), QStringLiteral("4"));
    VelkorCmd caption(QStringLiteral("&Ajouter"));
    EXPECT_EQ(caption.displayText(), QStringLiteral("&Ajouter"));
}

TEST(VelkorCmd, MuteCaptionChangeKeepsTheCharacter)
{
    VelkorCmd button(QStringLiteral("U"));
    button.setFont(QFont(QStringLiteral("Webdings")));
    const QString sound = button.displayText();
    button.setCaption(QStringLiteral("V"));
    EXPECT_EQ(button.Caption(), QStringLiteral("V"));
    EXPECT_NE(button.displayText(), sound);
}

TEST(VelkorCmd, PressedStateAndClick)
{
    VelkorCmd button(QStringLiteral("&Vider"));
    button.resize(60, 22);
    QSignalSpy clicks(&button, &VelkorCmd::Click);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);

    VelkorCmd::Look look;
    look.size = QSize(60, 22);
    look.text = QStringLiteral("x");
    look.font = button.font();
    look.foreColor = Qt::white;
    const QImage raised = VelkorCmd::render(look);
    look.pressed = true;
    const QImage pressed = VelkorCmd::render(look);
    EXPECT_NE(raised, pressed);
    // The face is darker at its top when pressed.
    EXPECT_LT(qGray(pressed.pixel(30, 4)), qGray(raised.pixel(30, 4)));

    button.setValue(1);
    EXPECT_EQ(button.Value(), 1);
    button.setForeColor(Qt::red);
    EXPECT_EQ(button.ForeColor(), QColor(Qt::red));
}

// Every way of clicking the button raises Click once, with the button already
// drawn raised (a handler may open a modal dialog), and a press that leaves
// the button before its release raises nothing.
TEST(VelkorCmd, EveryClickRaisesClickOnce)
{
    struct Case {
        const char* how;
        std::function<void(VelkorCmd&)> act;
        int clicks;
    };
    const Case cases[] = {
        { "mouse", [](VelkorCmd& b) { QTest::mouseClick(&b, Qt::LeftButton); }, 1 },
        { "Space", [](VelkorCmd& b) { QTest::keyClick(&b, Qt::Key_Space); }, 1 },
        { "click()", [](VelkorCmd& b) { b.click(); }, 1 },
        { "released outside",
            [](VelkorCmd& b) {
                QTest::mousePress(&b, Qt::LeftButton);
                QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(-20, -20));
            },
            0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        VelkorCmd button(QStringLiteral("&Vider"));
        button.resize(60, 22);
        button.show();
        QSignalSpy clicks(&button, &VelkorCmd::Click);
        bool downDuringClick = false;
        QObject guard;
        QObject::connect(&button, &VelkorCmd::Click, &guard,
            [&] { downDuringClick = downDuringClick || button.isDown(); });
        c.act(button);
        EXPECT_EQ(clicks.count(), c.clicks);
        EXPECT_FALSE(downDuringClick);
    }
}

TEST(VelkorPBar, ValueStaysWithin0To100)
{
    VelkorPBar bar;
    const QList<std::pair<int, int>> cases = { { 8, 8 }, { 104, 100 }, { -5, 0 }, { 100, 100 } };
    for (const auto& [set, expected] : cases) {
        bar.setValue(set);
        EXPECT_EQ(bar.Value(), expected) << set;
    }
    const QImage empty = VelkorPBar::render(QSize(100, 12), 0);
    const QImage half = VelkorPBar::render(QSize(100, 12), 50);
    EXPECT_EQ(empty.pixel(75, 6), half.pixel(75, 6));
    EXPECT_NE(empty.pixel(25, 6), half.pixel(25, 6));
}

TEST(VelkorCheck, CheckedPlateLightsUp)
{
    const QImage off
        = VelkorCheck::render(QSize(26, 15), QStringLiteral("x"), QIcon(), false, false);
    const QImage on = VelkorCheck::render(QSize(26, 15), QStringLiteral("x"), QIcon(), true, false);
    EXPECT_NE(off.pixel(3, 7), on.pixel(3, 7));
    VelkorCheck box(QStringLiteral("x"));
    box.resize(26, 15);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(24, 7)); // anywhere on the plate
    EXPECT_TRUE(box.isChecked());
}

TEST(WindowShape, MainWindowCornersAreCutOff)
{
    const QRegion region = WindowShape::roundedRect(QRect(0, 0, 343, 380));
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 343, 380));
    for (const QPoint corner : { QPoint(0, 0), QPoint(342, 0), QPoint(0, 379), QPoint(342, 379) })
        EXPECT_FALSE(region.contains(corner)) << corner.x() << "," << corner.y();
    for (const QPoint inside : { QPoint(10, 0), QPoint(0, 10), QPoint(171, 190), QPoint(332, 379) })
        EXPECT_TRUE(region.contains(inside)) << inside.x() << "," << inside.y();
}

TEST(StepRunner, AFailedStepDoesNotStopTheOthers)
{
    StepRunner run(QStringLiteral("test"));
    QStringList ran;
    run("throws", [&] {
        ran << "throws";
        throw std::runtime_error("broken");
    });
    run("returns false", [&] {
        ran << "returns false";
        return false;
    });
    run("throws anything", [&] {
        ran << "throws anything";
        throw 42;
    });
    const bool last = run("works", [&] { ran << "works"; });
    EXPECT_TRUE(last);
    EXPECT_EQ(ran, QStringList({ "throws", "returns false", "throws anything", "works" }));
    EXPECT_EQ(run.failures(), QStringList({ "throws", "returns false", "throws anything" }));
}
