// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/PlayerCore.h"

#include <QImage>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QActionGroup;
class QButtonGroup;
class QLineEdit;
class QListView;
class QMenu;
class QModelIndex;
class QToolButton;

class MediaEngine;
class VelkorCmd;
class frmMain;
class frmPlayer;
class PlaylistPanel;
class PanelToggle;
class SettingsStore;
class Chrome;
class VideoSizes;

namespace sarv {
class Variateur;
}

// The window's own parts that set up the controls they belong to.
namespace AccessibleNames {
void apply(frmMain& main);
}
namespace KeyboardReach {
void apply(frmMain& main);
void apply(frmPlayer& video, frmMain& main);
}
namespace SliderForms {
void load(frmMain& main);
}

// The main window: a view of the player core. It builds its controls from the
// layout table, each named after its published name (the control's
// objectName), and keeps them to itself: what the person asks for leaves the
// window as an intent signal, and the core's state comes in through the show
// slots. Wiring connects the intents to the core's handlers of the published
// names (cmdPlay_Click, ...) and the core's signals to the show slots. It holds
// no player state and no engine; the window's own pieces (chrome, panels,
// video sizes, settings) are its subsystems, and those that belong to a
// control reach it.
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

    // The position slider's range and value as its stored form sets them; the
    // core takes them as its own when the window is wired to it.
    int timeMin() const;
    int timeMax() const;
    int timeValue() const;

    // The playlist's list area, where files dropped on the window land too.
    QWidget* playlistDropArea() const;

Q_SIGNALS:
    // What the person asks for, one signal per handler the controls drive.
    void playRequested(); // cmdPlay_Click
    void pauseRequested(); // cmdPause_Click
    void stopRequested(); // cmdStop_Click
    void openRequested(); // cmdOpen_Click
    void nextRequested(); // cmdForward_Click
    void previousRequested(); // cmdBack_Click
    // chkRepeat_Click: checked or greyed repeats; chkSuffle_Click: only a full
    // check shuffles.
    void repeatToggled(bool on);
    void shuffleToggled(bool on);
    void addFileRequested(); // mnuFile_Click
    void addFolderRequested(); // mnuAddDir_Click
    void addDiscRequested(); // mnuAddVCD_Click
    void autoDiscRequested(); // mnuAutoVCD_Click
    void seekRequested(int value); // scrlTime_Change
    void volumeRequested(int index); // scrlVol_Change
    void balanceRequested(int index); // scrlBal_Change
    // A range set on the position slider itself (its forms, a host).
    void timeRangeSet(int min, int max);
    void timeModeToggled(); // lblTime_Click
    void muteToggled(); // Check1_Click
    void onTopToggled(); // mnuOnTop_Click
    void fitToSizeToggled(); // mnuFit_Click
    void entryActivated(int row); // lstPlay_DblClick
    void entrySelected(int row); // the list's selection, -1 for none
    void panelToggled(bool shown); // chkPlay
    // A new video window has been made; it loads next.
    void videoWindowCreated(frmPlayer* video);
    // Form_Unload has finished: the program may end.
    void unloaded();

public Q_SLOTS:
    // Moves the window to a place in twips (the core's windowPlace).
    void moveToPlace(const QPointF& twips);

    // The core's state, shown.
    void showRepeat(bool on);
    void showShuffle(bool on);
    void showMute(bool muted);
    void showOnTop(bool marked);
    void showFitToSize(bool fit);
    void showPanel(bool shown);
    void showTitle(const QString& text);
    // The selected entry's caption, and its whole name as the tooltip.
    void showSelectionCaption(const QString& text, const QString& fullName);
    void showSelectedEntry(int row);
    void showTime(const QString& text);
    void showDuration(const QString& text);
    void showTimeSign(const QString& sign);
    void showTimeRange(int min, int max);
    void showTimeValue(int value);
    // The core asks for steps of the sliders' usual ranges; a slider whose
    // form gives it a narrower one takes the nearest step it holds instead of
    // refusing the value with a message box.
    void showVolumeIndex(int index);
    void showBalanceIndex(int index);
    void showVolumeText(const QString& text);
    void showBalanceText(const QString& text);
    // The update's first step: the window's own periodic rules.
    void applyWindowRules();
    // Shows, repaints, minimises or hides the video window as the core asks;
    // the video window is made when the core first asks for it.
    void applyVideoRequest(PlayerCore::VideoRequest request);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class Chrome;
    friend class PanelToggle;
    friend class PlaylistPanel;
    friend class VideoSizes;
    friend void AccessibleNames::apply(frmMain& main);
    friend void KeyboardReach::apply(frmMain& main);
    friend void KeyboardReach::apply(frmPlayer& video, frmMain& main);
    friend void SliderForms::load(frmMain& main);

private Q_SLOTS:
    // The controls' events, connected by the controls' names when the window
    // is made: each becomes the window's intent, or runs the handler of the
    // window's own part that the control belongs to.
    void on_cmdPlay_Click();
    void on_cmdPause_Click();
    void on_cmdStop_Click();
    void on_cmdOpen_Click();
    void on_cmdForward_Click();
    void on_cmdBack_Click();
    void on_chkRepeat_toggled();
    void on_chkSuffle_toggled();
    void on_mnuFile_triggered();
    void on_mnuAddDir_triggered();
    void on_mnuAddVCD_triggered();
    void on_mnuAutoVCD_triggered();
    void on_scrlTime_Change();
    void on_scrlTime_propertyChanged(const QString& name);
    void on_scrlVol_Change();
    void on_scrlBal_Change();
    void on_Check1_Click();
    void on_mnuOnTop_triggered();
    void on_mnuFit_triggered();
    void on_lstPlay_doubleClicked(const QModelIndex& index);
    void on_lstPlay_currentEntryChanged(int row);
    void on_chkPlay_toggled(bool checked);
    void on_Minimised_clicked();
    void on_Closed_clicked();
    void on_mnuExit_triggered();
    void on_cmdAbt_Click();
    void on_mnuShortcut_triggered(QAction* item);
    void on_cmdFull_Click();
    void on_mnuHalf_triggered();
    void on_mnuOriginal_triggered();
    void on_mnuDouble_triggered();
    void on_mnuFull_triggered();
    void on_mnuFullCtrl_triggered(bool checked);
    void on_cmdAPlayList_idClicked(int index);

private:
    void createControls();
    void createMenus();
    void nameControls();
    void applySkin();
    void keepOnScreen();

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
    QListView* lstPlay = nullptr; // a PlaylistView
    std::array<VelkorCmd*, 5> cmdAPlayList {};
    // The five buttons as one control array: a click reports its index.
    QButtonGroup* cmdAPlayListGroup = nullptr;

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
    QActionGroup* mnuShortcutGroup = nullptr;
    QAction* mnuOnTop = nullptr;
    QAction* mnuAutoVCD = nullptr;
    QAction* mnuExit = nullptr;

    QImage m_background;

    PlayerCore& m_core;
    SettingsStore* m_settings = nullptr;
    frmPlayer* m_player = nullptr;

    std::unique_ptr<PlaylistPanel> m_playlistPanel;
    std::unique_ptr<VideoSizes> m_videoSizes;
    std::unique_ptr<Chrome> m_chrome;
    std::unique_ptr<PanelToggle> m_panelToggle;
};
