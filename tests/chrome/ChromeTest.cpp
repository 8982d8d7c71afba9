// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's chrome: which presses move the window, which releases open
// the shortcut menu, the mute button, the shortcut items, the caption while
// minimised and the rounded shape.
#include "MainWindowFixture.h"
#include "support/Controls.h"

#include "gui/Chrome.h"
#include "gui/Twips.h"
#include "gui/WindowShape.h"
#include "gui/VelkorCmd.h"

#include <sarv/Variateur.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace {

enum class Menu { None, BarWithPlayDefault, BarWithoutDefault };

struct MouseCase {
    const char* name;
    std::function<QWidget*(frmMain&)> target;
    QPoint twips; // where inside the target; (-1, -1) for its centre
    Qt::MouseButton button;
    bool moves; // dragged by the button, the window moves (a click never does)
    Menu menu;
};

QWidget* window(frmMain& m)
{
    return &m;
}

const MouseCase kMouseCases[] = {
    { "background right", window, { 300, 1400 }, Qt::RightButton, false, Menu::BarWithPlayDefault },
    { "background left", window, { 300, 1400 }, Qt::LeftButton, true, Menu::None },
    { "background middle", window, { 300, 1400 }, Qt::MiddleButton, false, Menu::None },
    { "time frame right", [](frmMain& m) { return control<QWidget>(m, "Shape1"); }, { 30, 30 }, Qt::RightButton, false,
        Menu::BarWithPlayDefault },
    { "title label left", [](frmMain& m) { return control<QLabel>(m, "Label3"); }, { -1, -1 }, Qt::LeftButton, true,
        Menu::None },
    { "title label right", [](frmMain& m) { return control<QLabel>(m, "Label3"); }, { -1, -1 }, Qt::RightButton, false,
        Menu::None },
    { "volume label right", [](frmMain& m) { return control<QLabel>(m, "LabVol"); }, { -1, -1 }, Qt::RightButton, false,
        Menu::None },
    { "volume label left", [](frmMain& m) { return control<QLabel>(m, "LabVol"); }, { -1, -1 }, Qt::LeftButton, false,
        Menu::None },
    { "play button right", [](frmMain& m) { return control<VelkorCmd>(m, "cmdPlay"); }, { -1, -1 }, Qt::RightButton, false,
        Menu::None },
    { "volume slider right", [](frmMain& m) { return control<sarv::Variateur>(m, "scrlVol"); }, { -1, -1 }, Qt::RightButton,
        false, Menu::None },
    { "playlist panel right", [](frmMain& m) { return control<QWidget>(m, "picPlayList"); }, { 100, 100 },
        Qt::RightButton, false, Menu::BarWithoutDefault },
    { "playlist panel left", [](frmMain& m) { return control<QWidget>(m, "picPlayList"); }, { 100, 100 }, Qt::LeftButton,
        false, Menu::None },
    { "playlist right", [](frmMain& m) { return control<QListView>(m, "lstPlay")->viewport(); }, { -1, -1 },
        Qt::RightButton, false, Menu::None },
    { "panel title right", [](frmMain& m) { return control<QLabel>(m, "Label2"); }, { -1, -1 }, Qt::RightButton, false,
        Menu::None },
    { "entry name right", [](frmMain& m) { return control<QLabel>(m, "txtFN"); }, { -1, -1 }, Qt::RightButton, false,
        Menu::None },
};

} // namespace

class ChromeTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    }
};

TEST_F(ChromeTest, OnlyTheBackgroundsMoveTheWindowOrOpenTheMenu)
{
    for (const MouseCase& c : kMouseCases) {
        SCOPED_TRACE(c.name);
        system.popups.clear();
        system.moves.clear();
        QWidget* target = c.target(*main);
        ASSERT_NE(target, nullptr);
        const QPoint at = c.twips.x() < 0
            ? target->rect().center()
            : QPoint(Twips::toPixelsX(c.twips.x()), Twips::toPixelsY(c.twips.y()));
        QTest::mouseClick(target, c.button, {}, at);
        EXPECT_TRUE(system.moves.isEmpty()) << "a click moved the window";

        // The same press dragged by the drag distance before its release.
        const QPoint dragged = at + QPoint(QApplication::startDragDistance(), 0);
        QTest::mousePress(target, c.button, {}, at);
        QMouseEvent move(QEvent::MouseMove, dragged, target->mapToGlobal(dragged), Qt::NoButton,
            c.button, {});
        QApplication::sendEvent(target, &move);
        EXPECT_EQ(system.moves, c.moves ? QList<QWidget*> { main.get() } : QList<QWidget*> {});
        system.popups.clear();
        QTest::mouseRelease(target, c.button, {}, dragged);
        system.popups.clear();
        QTest::mouseClick(target, c.button, {}, at);
        if (c.menu == Menu::None) {
            EXPECT_TRUE(system.popups.isEmpty());
            continue;
        }
        ASSERT_EQ(system.popups.size(), 1);
        EXPECT_EQ(system.popups.first().menu, control<QMenu>(*main, "mnuBar"));
        EXPECT_EQ(system.popups.first().defaultItem,
            c.menu == Menu::BarWithPlayDefault ? control<QAction>(*main, "mnuShortcut", 1) : nullptr);
    }
}

// The button shows the core's mute, whatever its caption was made to read.
TEST_F(ChromeTest, MuteButtonSwapsItsGlyphAndTheEngineMute)
{
    struct Case {
        bool mutedBefore;
        const char* foreignCaption; // a caption written over the glyph first
        const char* after;
        QStringList calls;
    };
    const Case cases[] = {
        { false, nullptr, "V", { "setMute:true" } },
        { true, nullptr, "U", { "setMute:false" } },
        { false, "X", "V", { "setMute:true" } },
        { true, "", "U", { "setMute:false" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.after);
        main->core().setMute(c.mutedBefore);
        engine().calls.clear();
        if (c.foreignCaption)
            control<VelkorCmd>(*main, "Check1")->setCaption(QString::fromLatin1(c.foreignCaption));
        control<VelkorCmd>(*main, "Check1")->click();
        EXPECT_EQ(control<VelkorCmd>(*main, "Check1")->Caption(), QString::fromLatin1(c.after));
        EXPECT_EQ(control<VelkorCmd>(*main, "Check1")->Value(), c.mutedBefore ? 0 : 1);
        EXPECT_EQ(engine().callsStartingWith("setMute"), c.calls);
    }
}

namespace {

// The transport items of the shortcut menu, by index, and the intent of the
// button each one stands for.
struct ShortcutIntent {
    const char* button;
    void (frmMain::*intent)();
};
const ShortcutIntent kShortcutIntents[] = {
    { "cmdBack", &frmMain::previousRequested },
    { "cmdPlay", &frmMain::playRequested },
    { "cmdPause", &frmMain::pauseRequested },
    { "cmdStop", &frmMain::stopRequested },
    { "cmdForward", &frmMain::nextRequested },
    { "cmdOpen", &frmMain::openRequested },
};

// Watches every transport intent of a window; which() lists the buttons whose
// intent was raised since the last call, in order of the table.
class IntentWatch {
public:
    explicit IntentWatch(frmMain& main)
    {
        for (const ShortcutIntent& entry : kShortcutIntents)
            m_spies.push_back(std::make_unique<QSignalSpy>(&main, entry.intent));
    }
    QStringList which()
    {
        QStringList raised;
        for (size_t i = 0; i < m_spies.size(); ++i) {
            for (int n = 0; n < m_spies[i]->count(); ++n)
                raised << QString::fromLatin1(kShortcutIntents[i].button);
            m_spies[i]->clear();
        }
        return raised;
    }

private:
    std::vector<std::unique_ptr<QSignalSpy>> m_spies;
};

} // namespace

TEST_F(ChromeTest, ShortcutItemsRaiseTheirButtonsIntent)
{
    IntentWatch watch(*main);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        control<QAction>(*main, "mnuShortcut", i)->trigger();
        EXPECT_EQ(watch.which(), QStringList { QString::fromLatin1(kShortcutIntents[i].button) });
        // The button of the same caption asks for the same.
        control<VelkorCmd>(*main, kShortcutIntents[i].button)->click();
        EXPECT_EQ(watch.which(), QStringList { QString::fromLatin1(kShortcutIntents[i].button) });
    }
    for (int index : { -1, 6, 7, 100 })
        main->chrome().mnuShortcut_Click(index);
    EXPECT_TRUE(watch.which().isEmpty());
}

TEST_F(ChromeTest, ShortcutKeysActWithoutOpeningTheMenu)
{
    IntentWatch watch(*main);
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    QTest::keyClick(main.get(), Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(main.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(watch.which(), (QStringList { "cmdPlay", "cmdForward" }));
    EXPECT_TRUE(system.popups.isEmpty());
}

TEST_F(ChromeTest, CaptionFollowsTheTitleOnlyWhileMinimised)
{
    control<QLineEdit>(*main, "txtTitle")->setText(QStringLiteral("Artiste - Chanson"));
    main->chrome().Minimised_Click();
    ASSERT_TRUE(main->isMinimized());
    main->chrome().Form_Paint();
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Artiste - Chanson"));

    main->showNormal();
    main->resize(Twips::toPixelsX(6000), main->height());
    main->chrome().Form_Paint();
    EXPECT_TRUE(main->windowTitle().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(main->width(), Twips::toPixelsX(5145), 2000);
}

TEST_F(ChromeTest, ResizingReshapesTheWindowAtItsNewEdges)
{
    for (double heightTwips : { 1880.0, 5700.0 }) {
        SCOPED_TRACE(heightTwips);
        main->resize(Twips::toPixelsX(5145), Twips::toPixelsY(heightTwips));
        const QRegion mask = main->mask();
        const int w = main->width();
        const int h = main->height();
        EXPECT_EQ(mask.boundingRect(), main->rect());
        EXPECT_FALSE(mask.contains(QPoint(0, h - 1)));
        EXPECT_FALSE(mask.contains(QPoint(w - 1, h - 1)));
        EXPECT_TRUE(mask.contains(QPoint(w / 2, h - 1)));
    }
}

TEST(WindowShape, CutsEachCornerAlongTheEllipse)
{
    for (const QSize size : { QSize(343, 125), QSize(343, 380), QSize(15, 15), QSize(40, 20) }) {
        SCOPED_TRACE(size.width() * 1000 + size.height());
        const QRect rect(QPoint(0, 0), size);
        const QRegion region = WindowShape::roundedRect(rect);
        const int r = WindowShape::kCornerDiameter / 2;
        EXPECT_EQ(region.boundingRect(), rect);
        for (const QPoint corner :
            { rect.topLeft(), rect.topRight(), rect.bottomLeft(), rect.bottomRight() })
            EXPECT_FALSE(region.contains(corner));
        for (const QPoint edge : { QPoint(r, 0), QPoint(0, r), QPoint(rect.right(), r),
                 QPoint(r, rect.bottom()), rect.center() })
            EXPECT_TRUE(region.contains(edge));
    }
    // Too small for the corners: the whole rectangle.
    EXPECT_EQ(WindowShape::roundedRect(QRect(0, 0, 10, 30)), QRegion(0, 0, 10, 30));
}
