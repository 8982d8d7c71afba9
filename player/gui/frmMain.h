// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QTimer;
class QToolButton;

class MediaEngine;
class PlayerCore;
class VelkorCmd;
class frmPlayer;
class PlaylistPanel;
class PanelToggle;
class SettingsStore;
class Chrome;
class VideoSizes;

namespace sarv {
class Variateur;
}

// The main window: a view of the player core. It builds its controls from the
// layout table; Wiring connects each control to the core's handler of the
// same published name (cmdPlay_Click, ...) and the core's signals to the
// controls. It holds no player state and no engine; the window's own pieces
// (chrome, panels, video sizes, settings) are its subsystems.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(PlayerCore& core, QWidget* parent = nullptr);
    ~frmMain() override;

    PlayerCore& core() { return m_core; }

    // Start-up and shutdown of the main window.
    void Form_Load();
    void Form_Unload();
    // The window became the active one: its caption is emptied.
    void Form_Activate();
    // Form_Load has run to its end.
    bool isLoaded() const;
    // Where the options are loaded from and written to (none: the window
    // keeps its defaults and writes nothing).
    void setSettingsStore(SettingsStore* store);
    // Loads the options into the core (the load's GetValue) and writes them
    // (the unload's SaveSettings), with the window's place; false without a store.
    bool loadSettings();
    bool saveSettings();
    // The window's place in twips.
    QPointF twipsPlace() const;

    // The video window, created and loaded on first access (also after an
    // unload). It borrows the core's engine; unloading it releases the
    // engine, and the next use makes a new one with nothing open.
    frmPlayer& videoWindow();
    bool hasVideoWindow() const { return m_player != nullptr; }
    void unloadVideoWindow();
    // The core's engine, for the window's subsystems.
    MediaEngine& engine();

    PlaylistPanel& playlistPanel() { return *m_playlistPanel; }
    Chrome& chrome() { return *m_chrome; }
    VideoSizes& videoSizes() { return *m_videoSizes; }
    PanelToggle& panelToggle() { return *m_panelToggle; }

    // Controls, in the order of the layout table.
    VelkorCmd* cmdAbt = nullptr;
    QLabel* Label3 = nullptr;
    QToolButton* Minimised = nullptr;
    QToolButton* Closed = nullptr;
    QLineEdit* txtTitle = nullptr;
    QLabel* lblpls = nullptr;
    QWidget* Shape1 = nullptr;
    QLabel* lblTime = nullptr;
    QLabel* LabVol = nullptr;
    QLabel* LabBal = nullptr;
    VelkorCmd* Check1 = nullptr;
    VelkorCmd* cmdFull = nullptr;
    sarv::Variateur* scrlVol = nullptr;
    sarv::Variateur* scrlBal = nullptr;
    QLabel* lblDuration = nullptr;
    sarv::Variateur* scrlTime = nullptr;
    VelkorCmd* cmdBack = nullptr;
    VelkorCmd* cmdPlay = nullptr;
    VelkorCmd* cmdPause = nullptr;
    VelkorCmd* cmdStop = nullptr;
    VelkorCmd* cmdForward = nullptr;
    VelkorCmd* cmdOpen = nullptr;
    QCheckBox* chkRepeat = nullptr;
    QCheckBox* chkSuffle = nullptr;
    QCheckBox* chkPlay = nullptr;
    QWidget* picPlayList = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* txtFN = nullptr;
    QListView* lstPlay = nullptr;
    std::array<VelkorCmd*, 5> cmdAPlayList {};

    // Pop-up menus and their items.
    QMenu* mnuMain = nullptr;
    QAction* mnuFile = nullptr;
    QAction* mnuAddDir = nullptr;
    QAction* mnuAddVCD = nullptr;
    QMenu* mnuZoom = nullptr;
    QAction* mnuHalf = nullptr;
    QAction* mnuOriginal = nullptr;
    QAction* mnuDouble = nullptr;
    QAction* mnuFullCtrl = nullptr;
    QAction* mnuFull = nullptr;
    QAction* mnuFit = nullptr;
    QMenu* mnuBar = nullptr;
    std::array<QAction*, 6> mnuShortcut {};
    QAction* mnuOnTop = nullptr;
    QAction* mnuAutoVCD = nullptr;
    QAction* mnuExit = nullptr;

public Q_SLOTS:
    // Moves the window to a place in twips (the core's windowPlace).
    void moveToPlace(const QPointF& twips);

Q_SIGNALS:
    // Form_Unload has finished: the program may end.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void createMenus();
    void applySkin();
    void keepOnScreen();

    QImage m_background;

    PlayerCore& m_core;
    SettingsStore* m_settings = nullptr;
    frmPlayer* m_player = nullptr;

    std::unique_ptr<PlaylistPanel> m_playlistPanel;
    std::unique_ptr<VideoSizes> m_videoSizes;
    std::unique_ptr<Chrome> m_chrome;
    std::unique_ptr<PanelToggle> m_panelToggle;
};
