// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QEvent;
class QMouseEvent;
class frmMain;
class frmAbout;
class MoveArming;

// The main window's chrome: moving the borderless window by its background and
// its title label, its rounded shape, the right-click menu, minimising, the
// caption while minimised, the mute button, the About button, always on top and
// the transport items of the shortcut menu.
class Chrome : public QObject {
    Q_OBJECT
public:
    explicit Chrome(frmMain& main);
    ~Chrome() override;

    // A left press arms moving the window; it moves once the pointer has
    // travelled the drag distance with the button down. `pointer` is global.
    void Form_MouseDown(Qt::MouseButton button, QPoint pointer);
    void Label3_MouseDown(Qt::MouseButton button, QPoint pointer);
    void Form_MouseUp(Qt::MouseButton button);
    void picPlayList_MouseUp(Qt::MouseButton button);
    void Form_Resize();
    void Form_Paint();
    void Minimised_Click();
    void cmdAbt_Click();
    // The transport items ask for what the transport button of the same
    // caption does: 0 previous, 1 play, 2 pause, 3 stop, 4 next, 5 open.
    void mnuShortcut_Click(int index);

    // Makes the main window top-most or not, keeping its size and position;
    // the on-top rules decide when.
    void applyTopMost(bool onTop);
    bool isTopMost() const;

    // Sets the rounded shape over the main window's client rectangle.
    void shapeWindow();

    // The About window while it is open, or nullptr; unloadAbout closes it.
    frmAbout* aboutWindow() const;
    void unloadAbout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool onBackground(QWidget* surface, const QMouseEvent* event) const;
    void setCaption(const QString& caption);

    frmMain& m_main;
    MoveArming* m_move = nullptr;
    QPointer<frmAbout> m_about;
};
