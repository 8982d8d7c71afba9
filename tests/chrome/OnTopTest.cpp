// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Always on top: the menu item, the resize rule, and the About window that
// suspends and restores it.
#include "MainWindowFixture.h"
#include "support/Controls.h"

#include "gui/Chrome.h"
#include "gui/frmAbout.h"
#include "gui/VelkorCmd.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QLabel>
#include <QTest>

class OnTopTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    }

    // The state the settings loader leaves: the mark and the wish agree, and
    // the window is not yet placed.
    void want(bool onTop)
    {
        control<QAction>(*main, "mnuOnTop")->setChecked(onTop);
        main->core().setOnTopWanted(onTop);
        main->core().setOnTopApplied(!onTop);
    }
};

TEST_F(OnTopTest, MenuItemTogglesTheWishAndItsMarkOnce)
{
    for (bool start : { false, true }) {
        SCOPED_TRACE(start);
        want(start);
        control<QAction>(*main, "mnuOnTop")->trigger();
        EXPECT_EQ(main->core().OnTopWanted(), !start);
        EXPECT_EQ(control<QAction>(*main, "mnuOnTop")->isChecked(), !start);
        control<QAction>(*main, "mnuOnTop")->trigger();
        EXPECT_EQ(main->core().OnTopWanted(), start);
        EXPECT_EQ(control<QAction>(*main, "mnuOnTop")->isChecked(), start);
        // The window itself waits for the on-top rules.
        EXPECT_FALSE(main->chrome().isTopMost());
    }
}

TEST_F(OnTopTest, ResizeRuleLeavesAMinimisedWindowThatShouldStayOnTop)
{
    want(true);
    main->chrome().Minimised_Click();
    ASSERT_TRUE(main->isMinimized());
    EXPECT_FALSE(main->core().OnTopApplied());
    EXPECT_FALSE(main->chrome().isTopMost());

    main->showNormal();
    EXPECT_TRUE(main->core().OnTopApplied());
    EXPECT_TRUE(main->chrome().isTopMost());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(OnTopTest, ResizeRuleDropsOnTopEvenWhileMinimised)
{
    const QPoint position = main->pos();
    const QSize size = main->size();
    main->chrome().applyTopMost(true);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->pos(), position);
    EXPECT_EQ(main->size(), size);

    want(false);
    main->core().setOnTopApplied(true);
    main->chrome().Minimised_Click();
    EXPECT_FALSE(main->core().OnTopApplied());
    EXPECT_FALSE(main->chrome().isTopMost());
    EXPECT_TRUE(main->isMinimized());
}

TEST_F(OnTopTest, AboutWindowSuspendsOnTopUntilOk)
{
    struct Case {
        bool wanted;
        bool suspendedWhileOpen;
    };
    for (const Case c : { Case { false, false }, Case { true, true } }) {
        SCOPED_TRACE(c.wanted);
        want(c.wanted);
        control<VelkorCmd>(*main, "cmdAbt")->click();
        frmAbout* about = main->chrome().aboutWindow();
        ASSERT_NE(about, nullptr);
        EXPECT_TRUE(about->isVisible());
        EXPECT_EQ(about->windowTitle(), QStringLiteral("About"));
        EXPECT_FALSE(main->core().OnTopWanted());
        EXPECT_EQ(main->core().OnTopSuspended(), c.suspendedWhileOpen);
        EXPECT_EQ(control<QAction>(*main, "mnuOnTop")->isChecked(), c.wanted);

        // A second press only brings the same window forward.
        control<VelkorCmd>(*main, "cmdAbt")->click();
        EXPECT_EQ(main->chrome().aboutWindow(), about);
        EXPECT_EQ(main->core().OnTopSuspended(), c.suspendedWhileOpen);

        about->cmdOk->click();
        EXPECT_EQ(main->core().OnTopWanted(), c.wanted);
        EXPECT_FALSE(main->core().OnTopSuspended());
        EXPECT_EQ(control<QAction>(*main, "mnuOnTop")->isChecked(), c.wanted);
        QTRY_VERIFY_WITH_TIMEOUT(main->chrome().aboutWindow() == nullptr, 2000);
    }
}

TEST_F(OnTopTest, ClosingTheAboutWindowAnyWayRestoresOnTop)
{
    want(true);
    control<VelkorCmd>(*main, "cmdAbt")->click();
    ASSERT_NE(main->chrome().aboutWindow(), nullptr);
    main->chrome().aboutWindow()->close();
    EXPECT_TRUE(main->core().OnTopWanted());
    EXPECT_FALSE(main->core().OnTopSuspended());
}

TEST_F(OnTopTest, MenuItemWhileSuspendedTurnsTheCheckedChoiceOff)
{
    want(true);
    control<VelkorCmd>(*main, "cmdAbt")->click();
    control<QAction>(*main, "mnuOnTop")->trigger();
    EXPECT_FALSE(control<QAction>(*main, "mnuOnTop")->isChecked());
    EXPECT_FALSE(main->core().OnTopWanted());
    EXPECT_FALSE(main->core().OnTopSuspended());

    main->chrome().aboutWindow()->cmdOk->click();
    EXPECT_FALSE(main->core().OnTopWanted());
    EXPECT_FALSE(control<QAction>(*main, "mnuOnTop")->isChecked());
}

TEST_F(OnTopTest, AboutWindowMovesByDraggingItsTitleLinesOnly)
{
    main->chrome().cmdAbt_Click();
    frmAbout* about = main->chrome().aboutWindow();
    ASSERT_NE(about, nullptr);
    struct Case {
        QWidget* target;
        Qt::MouseButton button;
        bool moves;
    };
    const Case cases[] = {
        { about->Label4[0], Qt::LeftButton, true },
        { about->Label4[1], Qt::LeftButton, true },
        { about->Label4[1], Qt::RightButton, false },
        { about->Label2, Qt::LeftButton, false },
        { about->Label1, Qt::LeftButton, false },
        { about, Qt::LeftButton, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target->metaObject()->className());
        system.moves.clear();
        QTest::mouseClick(c.target, c.button, {}, QPoint(2, 2));
        EXPECT_TRUE(system.moves.isEmpty()) << "a click moved the window";
        // Dragged by the drag distance before the release.
        const QPoint dragged(2, 2 + QApplication::startDragDistance());
        QTest::mousePress(c.target, c.button, {}, QPoint(2, 2));
        QMouseEvent move(QEvent::MouseMove, dragged, c.target->mapToGlobal(dragged), Qt::NoButton,
            c.button, {});
        QApplication::sendEvent(c.target, &move);
        QTest::mouseRelease(c.target, c.button, {}, dragged);
        EXPECT_EQ(system.moves, c.moves ? QList<QWidget*> { about } : QList<QWidget*> {});
    }
}
