// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the player's windows (names and roles through
// Qt's accessibility layer), and the shortcut menu opened from the keyboard.
#include "MainWindowFixture.h"
#include "support/Controls.h"

#include "gui/Chrome.h"
#include "gui/VelkorCmd.h"
#include "gui/frmAbout.h"
#include "gui/frmPlayer.h"

#include <sarv/Variateur.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QTest>

namespace {

class AccessibilityTest : public MainWindowTest {
protected:
    static QAccessibleInterface* reader(QObject* object)
    {
        return QAccessible::queryAccessibleInterface(object);
    }
    static QString nameOf(QObject* object) { return reader(object)->text(QAccessible::Name); }
};

TEST_F(AccessibilityTest, EveryButtonHasAWordForAName)
{
    main->chrome().cmdAbt_Click();
    frmAbout* about = main->chrome().aboutWindow();
    ASSERT_NE(about, nullptr);
    QList<QAbstractButton*> buttons = main->findChildren<QAbstractButton*>();
    buttons += about->findChildren<QAbstractButton*>();
    ASSERT_GE(buttons.size(), 20);
    for (QAbstractButton* button : buttons) {
        const QString name = nameOf(button);
        EXPECT_GT(name.trimmed().size(), 1)
            << button->metaObject()->className() << " \"" << name.toStdString() << '"';
    }
}

TEST_F(AccessibilityTest, SlidersCheckBoxesAndWindowsByRoleAndName)
{
    const struct {
        QWidget* widget;
        QAccessible::Role role;
        const char* name;
    } cases[] = {
        { control<sarv::Variateur>(*main, "scrlTime"), QAccessible::Slider, "Position" },
        { control<sarv::Variateur>(*main, "scrlVol"), QAccessible::Slider, "Volume" },
        { control<sarv::Variateur>(*main, "scrlBal"), QAccessible::Slider, "Balance" },
        { control<QCheckBox>(*main, "chkRepeat"), QAccessible::CheckBox, "Répeter la liste de lecture" },
        { control<QCheckBox>(*main, "chkSuffle"), QAccessible::CheckBox, "Lecture aleatoire" },
        { control<QCheckBox>(*main, "chkPlay"), QAccessible::CheckBox, "Afficher/masquer la liste de lecture" },
        { control<VelkorCmd>(*main, "cmdBack"), QAccessible::Button, "Piste précédente" },
        { main.get(), QAccessible::Window, "Velkor Player" },
        { &main->videoWindow(), QAccessible::Window, "Vidéo" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(reader(c.widget)->role(), c.role);
        EXPECT_EQ(nameOf(c.widget), QString::fromUtf8(c.name));
    }
    main->chrome().cmdAbt_Click();
    EXPECT_EQ(reader(main->chrome().aboutWindow())->role(), QAccessible::Dialog);
    EXPECT_EQ(nameOf(main->chrome().aboutWindow()), QStringLiteral("About"));
}

TEST_F(AccessibilityTest, MuteButtonIsNamedAfterWhatItDoes)
{
    EXPECT_EQ(nameOf(control<VelkorCmd>(*main, "Check1")), QStringLiteral("Couper le son"));
    main->core().Check1_Click();
    EXPECT_EQ(nameOf(control<VelkorCmd>(*main, "Check1")), QStringLiteral("Rétablir le son"));
    main->core().Check1_Click();
    EXPECT_EQ(nameOf(control<VelkorCmd>(*main, "Check1")), QStringLiteral("Couper le son"));
}

// The Menu key and Shift+F10 open the shortcut menu, "Lire" first, from the
// main window and from the video window, whatever control has the focus.
TEST_F(AccessibilityTest, MenuKeysOpenTheShortcutMenu)
{
    main->show();
    frmPlayer& video = main->videoWindow();
    const struct {
        QWidget* window;
        QWidget* focus;
    } places[] = { { main.get(), control<sarv::Variateur>(*main, "scrlVol") }, { main.get(), control<QListView>(*main, "lstPlay") },
        { &video, nullptr } };
    for (const auto& place : places) {
        SCOPED_TRACE(place.window->metaObject()->className());
        place.window->show();
        place.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(place.window));
        if (place.focus)
            place.focus->setFocus(Qt::TabFocusReason);
        system.popups.clear();
        QTest::keyClick(place.window, Qt::Key_Menu);
        QTest::keyClick(place.window, Qt::Key_F10, Qt::ShiftModifier);
        ASSERT_EQ(system.popups.size(), 2);
        for (const auto& popup : system.popups) {
            EXPECT_EQ(popup.menu, control<QMenu>(*main, "mnuBar"));
            EXPECT_EQ(popup.defaultItem, control<QAction>(*main, "mnuShortcut", 1));
        }
    }
}

// The time display switches between elapsed and remaining time on a click;
// Tab reaches it and Space or Enter switch it too.
TEST_F(AccessibilityTest, TimeDisplaySwitchesFromTheKeyboard)
{
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    EXPECT_TRUE(control<QLabel>(*main, "lblTime")->focusPolicy() & Qt::TabFocus);
    control<QLabel>(*main, "lblTime")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control<QLabel>(*main, "lblTime"), Qt::Key_Space);
    EXPECT_EQ(control<QLabel>(*main, "lblpls")->text(), QStringLiteral("-"));
    QTest::keyClick(control<QLabel>(*main, "lblTime"), Qt::Key_Return);
    EXPECT_EQ(control<QLabel>(*main, "lblpls")->text(), QStringLiteral("+"));
}

} // namespace
