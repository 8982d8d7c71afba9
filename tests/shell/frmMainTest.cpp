// The main window builds every control of its layout and its menus.
#include "support/TestMain.h"
#include "gui/frmMain.h"
#include "support/FakeEngine.h"

#include <QAction>
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
    window.engine();
    EXPECT_NE(fake, nullptr);
}
