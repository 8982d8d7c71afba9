// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class VelkorCmd;
class frmMain;
class MoveArming;

// The About window: the player's name, version, a short description and a
// credit block. Opening it suspends the main window's always-on-top state;
// closing it gives that state back.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    explicit frmAbout(frmMain& main);
    ~frmAbout() override;

    // Shows the window (not modal) and gives it its rounded shape.
    void Form_Load();
    // A left press on either title label arms moving the window (global
    // `pointer`); it moves once the pointer has travelled the drag distance.
    void Label4_MouseDown(int index, Qt::MouseButton button, QPoint pointer);
    void cmdOk_Click();

    QWidget* VelkorFrm1 = nullptr;
    std::array<QLabel*, 2> Label4 {};
    QFrame* Shape1 = nullptr;
    QLabel* imgIcon = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    VelkorCmd* cmdOk = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private Q_SLOTS:
    // The Ok button's click, connected by its name when the window is made.
    void on_cmdOk_Click();

private:
    void createControls();
    void restoreOnTop();

    frmMain& m_main;
    MoveArming* m_move = nullptr;
};
