// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window builds every control of its layout and its menus.
#include "support/TestMain.h"
#include "gui/frmMain.h"
#include "gui/frmPlayer.h"
#include "support/FakeEngine.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include <gtest/gtest.h>

TEST(frmMain, BuildsControlsAndMenus)
{
    FakeEngine* fake = nullptr;
    TestMain window([&fake] {
        auto engine = std::make_unique<FakeEngine>();
        fake = engine.get();
        return engine;
    });
    EXPECT_NE(window.scrlTime, nullptr);
    EXPECT_NE(window.scrlVol, nullptr);
    EXPECT_NE(window.scrlBal, nullptr);
    EXPECT_EQ(window.mnuBar->actions().size(), 9);
    window.videoWindow();
    EXPECT_NE(fake, nullptr);
}

// Asking for the video window before any engine exists makes the engine, and
// the engine's announcement loads the window: there must still be only one.
TEST(frmMain, VideoWindowAskedBeforeTheEngineIsMadeOnce)
{
    TestMain window([] { return std::make_unique<FakeEngine>(); });
    frmPlayer& first = window.videoWindow();
    int players = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        players += dynamic_cast<frmPlayer*>(widget) != nullptr;
    EXPECT_EQ(players, 1);
    EXPECT_EQ(&first, &window.videoWindow());
}
