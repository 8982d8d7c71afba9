// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window builds every control of its layout and its menus, and its
// controls raise the window's intents.
#include "support/TestMain.h"
#include "support/Controls.h"
#include "support/PromptsInForce.h"
#include "gui/frmMain.h"
#include "gui/frmPlayer.h"
#include "support/FakeEngine.h"

#include <sarv/Variateur.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

TEST(frmMain, BuildsControlsAndMenus)
{
    FakeEngine* fake = nullptr;
    TestMain window([&fake] {
        auto engine = std::make_unique<FakeEngine>();
        fake = engine.get();
        return engine;
    });
    EXPECT_NE(control<sarv::Variateur>(window, "scrlTime"), nullptr);
    EXPECT_NE(control<sarv::Variateur>(window, "scrlVol"), nullptr);
    EXPECT_NE(control<sarv::Variateur>(window, "scrlBal"), nullptr);
    EXPECT_EQ(control<QMenu>(window, "mnuBar")->actions().size(), 9);
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

namespace {

// One of the window's intents, watched.
using IntentSpy = std::function<std::unique_ptr<QSignalSpy>(frmMain&)>;
template <typename Signal> IntentSpy intent(Signal signal)
{
    return [signal](frmMain& window) { return std::make_unique<QSignalSpy>(&window, signal); };
}

// What a person does to a control, by its name.
using Act = std::function<void(frmMain&)>;
Act click(const char* name)
{
    return [name](frmMain& w) { control<QAbstractButton>(w, name)->click(); };
}
Act clickItem(const char* array, int index)
{
    return [array, index](frmMain& w) { control<QAbstractButton>(w, array, index)->click(); };
}
Act trigger(const char* name)
{
    return [name](frmMain& w) { control<QAction>(w, name)->trigger(); };
}
Act slide(const char* name, short value)
{
    return [name, value](frmMain& w) { control<sarv::Variateur>(w, name)->setValue(value); };
}

} // namespace

// Each control's event leaves the window as the intent of its handler, once,
// and as nothing else; the window on its own (not wired) runs no handler.
TEST(frmMain, ControlsRaiseTheirIntents)
{
    struct Case {
        const char* what;
        Act act;
        IntentSpy spy;
        QVariantList arguments;
    };
    const Case cases[] = {
        { "cmdPlay", click("cmdPlay"), intent(&frmMain::playRequested), {} },
        { "cmdPause", click("cmdPause"), intent(&frmMain::pauseRequested), {} },
        { "cmdStop", click("cmdStop"), intent(&frmMain::stopRequested), {} },
        { "cmdOpen", click("cmdOpen"), intent(&frmMain::openRequested), {} },
        { "cmdForward", click("cmdForward"), intent(&frmMain::nextRequested), {} },
        { "cmdBack", click("cmdBack"), intent(&frmMain::previousRequested), {} },
        { "Check1", click("Check1"), intent(&frmMain::muteToggled), {} },
        { "chkRepeat", click("chkRepeat"), intent(&frmMain::repeatToggled), { true } },
        { "chkSuffle", click("chkSuffle"), intent(&frmMain::shuffleToggled), { true } },
        { "chkPlay", click("chkPlay"), intent(&frmMain::panelToggled), { false } },
        { "mnuFile", trigger("mnuFile"), intent(&frmMain::addFileRequested), {} },
        { "mnuAddDir", trigger("mnuAddDir"), intent(&frmMain::addFolderRequested), {} },
        { "mnuAddVCD", trigger("mnuAddVCD"), intent(&frmMain::addDiscRequested), {} },
        { "mnuAutoVCD", trigger("mnuAutoVCD"), intent(&frmMain::autoDiscRequested), {} },
        { "mnuOnTop", trigger("mnuOnTop"), intent(&frmMain::onTopToggled), {} },
        { "mnuFit", trigger("mnuFit"), intent(&frmMain::fitToSizeToggled), {} },
        { "scrlVol", slide("scrlVol", 3), intent(&frmMain::volumeRequested), { 3 } },
        { "scrlBal", slide("scrlBal", 4), intent(&frmMain::balanceRequested), { 4 } },
        { "scrlTime", slide("scrlTime", 5), intent(&frmMain::seekRequested), { 5 } },
        { "mnuShortcut(1)", trigger("mnuShortcut(1)"), intent(&frmMain::playRequested), {} },
        { "mnuShortcut(4)", trigger("mnuShortcut(4)"), intent(&frmMain::nextRequested), {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PromptsInForce prompts;
        PlayerCore core([] { return std::make_unique<FakeEngine>(); }, prompts);
        frmMain window(core);
        const auto spy = c.spy(window);
        c.act(window);
        ASSERT_EQ(spy->count(), 1);
        EXPECT_EQ(spy->takeFirst(), c.arguments);
    }
}
