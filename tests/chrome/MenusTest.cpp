// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the menus look like and where they open: the pictures beside the items
// the menu table gives one, and no menu of Qt's own over any control.
#include "MainWindowFixture.h"
#include "support/Controls.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace {

class MenusTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    }

    // The popup Qt opened, closed again so that the next case starts clean.
    static QString takePopup()
    {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup)
            return QString();
        const QString name = QString::fromLatin1(popup->metaObject()->className());
        popup->close();
        return name;
    }
};

TEST_F(MenusTest, ItemsWithAPictureInTheTableHaveAnIcon)
{
    const frmMain& m = *main;
    const struct {
        const char* name;
        QAction* item;
        bool picture;
    } cases[] = {
        { "mnuFile", control<QAction>(m, "mnuFile"), true },
        { "mnuAddDir", control<QAction>(m, "mnuAddDir"), true },
        { "mnuAddVCD", control<QAction>(m, "mnuAddVCD"), true },
        { "mnuHalf", control<QAction>(m, "mnuHalf"), false },
        { "mnuOriginal", control<QAction>(m, "mnuOriginal"), false },
        { "mnuDouble", control<QAction>(m, "mnuDouble"), false },
        { "mnuFullCtrl", control<QAction>(m, "mnuFullCtrl"), false },
        { "mnuFull", control<QAction>(m, "mnuFull"), false },
        { "mnuFit", control<QAction>(m, "mnuFit"), false },
        { "Précédent", control<QAction>(m, "mnuShortcut", 0), true },
        { "Lire", control<QAction>(m, "mnuShortcut", 1), true },
        { "Pause", control<QAction>(m, "mnuShortcut", 2), true },
        { "Arrêter", control<QAction>(m, "mnuShortcut", 3), true },
        { "Suivant", control<QAction>(m, "mnuShortcut", 4), true },
        { "Ouvrir", control<QAction>(m, "mnuShortcut", 5), true },
        { "mnuOnTop", control<QAction>(m, "mnuOnTop"), false },
        { "mnuAutoVCD", control<QAction>(m, "mnuAutoVCD"), false },
        { "mnuExit", control<QAction>(m, "mnuExit"), true },
    };
    QList<QImage> pictures;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(c.item, nullptr);
        EXPECT_EQ(!c.item->icon().isNull(), c.picture);
        if (!c.picture)
            continue;
        EXPECT_TRUE(c.item->isIconVisibleInMenu());
        const QImage picture = c.item->icon().pixmap(16).toImage();
        EXPECT_EQ(picture.size(), QSize(16, 16));
        // Each item its own picture: two items sharing one is a slip.
        for (int i = 0; i < pictures.size(); ++i)
            EXPECT_NE(picture, pictures[i]) << "same picture as picture " << i;
        pictures << picture;
    }
}

TEST_F(MenusTest, NoControlOpensAMenuOfItsOwn)
{
    for (QWidget* control : main->findChildren<QWidget*>()) {
        if (!control->isVisible() || qobject_cast<QMenu*>(control))
            continue;
        SCOPED_TRACE(control->metaObject()->className());
        const QPoint at = control->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, control->mapToGlobal(at));
        QApplication::sendEvent(control, &event);
        EXPECT_EQ(takePopup(), QString());
    }
    // The scrolling title, clicked as a person does, with the keyboard's menu
    // key as well.
    QTest::mouseClick(control<QLineEdit>(*main, "txtTitle"), Qt::RightButton, {}, control<QLineEdit>(*main, "txtTitle")->rect().center());
    EXPECT_EQ(takePopup(), QString());
    QContextMenuEvent key(
        QContextMenuEvent::Keyboard, QPoint(2, 2), control<QLineEdit>(*main, "txtTitle")->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(control<QLineEdit>(*main, "txtTitle"), &key);
    EXPECT_EQ(takePopup(), QString());
    EXPECT_TRUE(system.popups.isEmpty());
}

} // namespace
