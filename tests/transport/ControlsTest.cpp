// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's track controls: the check boxes set the core's flags and
// show them, the buttons run Next and Previous.
#include "Harness.h"
#include "support/Controls.h"

#include <QCheckBox>

#include <gtest/gtest.h>

namespace {

QStringList entries(int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QStringLiteral("/m/clip%1.avi").arg(i);
    return out;
}

} // namespace

TEST(TrackSelection, CheckBoxesSetTheFlags)
{
    Harness h;
    const auto icon = [&h] { return control<QCheckBox>(h.main, "chkSuffle")->icon().cacheKey(); };
    const qint64 off = icon();

    control<QCheckBox>(h.main, "chkSuffle")->setChecked(true);
    EXPECT_TRUE(h.main.core().Shuffle());
    const qint64 on = icon();
    EXPECT_NE(on, off);
    control<QCheckBox>(h.main, "chkSuffle")->setChecked(false);
    EXPECT_FALSE(h.main.core().Shuffle());
    EXPECT_EQ(icon(), off);

    control<QCheckBox>(h.main, "chkRepeat")->setChecked(true);
    EXPECT_TRUE(h.main.core().RepeatOn());
    control<QCheckBox>(h.main, "chkRepeat")->setChecked(false);
    EXPECT_FALSE(h.main.core().RepeatOn());
}

TEST(TrackSelection, ButtonsRunNextAndPrevious)
{
    Harness h(entries(3));
    h.start(1);
    Q_EMIT control<VelkorCmd>(h.main, "cmdForward")->Click();
    EXPECT_EQ(h.playlist().CurrentTrack(), 2);
    Q_EMIT control<VelkorCmd>(h.main, "cmdBack")->Click();
    Q_EMIT control<VelkorCmd>(h.main, "cmdBack")->Click();
    EXPECT_EQ(h.playlist().CurrentTrack(), 0);
}


// Each transport button reaches the core's handler of its name.
TEST(TrackSelection, TransportButtonsRunTheirHandlers)
{
    struct Case {
        const char* button;
        VelkorCmd* (*pick)(frmMain&);
        QString call;
    };
    const Case cases[] = {
        { "cmdPlay", [](frmMain& m) { return control<VelkorCmd>(m, "cmdPlay"); }, QStringLiteral("Play") },
        { "cmdPause", [](frmMain& m) { return control<VelkorCmd>(m, "cmdPause"); }, QStringLiteral("Pause") },
        { "cmdStop", [](frmMain& m) { return control<VelkorCmd>(m, "cmdStop"); }, QStringLiteral("Stop") },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        Harness h(entries(2));
        h.start(0);
        h.fake->calls.clear();
        c.pick(h.main)->click();
        EXPECT_TRUE(h.fake->calls.contains(c.call)) << h.fake->calls.join(' ').toStdString();
    }
}
