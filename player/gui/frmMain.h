#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
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
class VelkorCmd;
class frmPlayer;
class Playlist;
class PlaylistPanel;
class PanelToggle;
class Transport;
class TrackSelection;
class PeriodicUpdate;
class Settings;
class MediaAdder;
class Chrome;
class VideoSizes;

namespace sarv {
class Variateur;
}

// The main window: the hub of the player. It builds its controls from the
// layout table, owns the player's flags, the playlist, the sliders and the
// subsystem objects, and each subsystem wires the events of the controls it
// handles to its own handlers (named after the control and the event:
// cmdPlay_Click, tmrAnimate_Timer, ...). A handler reaches another subsystem's
// handler through the hub.
class frmMain : public QWidget {
    Q_OBJECT
public:
    using EngineFactory = std::function<std::unique_ptr<MediaEngine>()>;

    // The engine factory makes the media engine when the video window is first
    // touched: MpvEngine in the product, a fake in tests.
    explicit frmMain(EngineFactory engineFactory, QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up and shutdown of the main window.
    void Form_Load();
    void Form_Unload();
    // The window became the active one: its caption is emptied.
    void Form_Activate();
    // Form_Load has run to its end.
    bool isLoaded() const { return m_loaded; }

    // The video window, created and loaded on first access (also after an
    // unload), and the engine it hosts.
    frmPlayer& videoWindow();
    bool hasVideoWindow() const { return m_player != nullptr; }
    void unloadVideoWindow();
    MediaEngine& engine();

    Playlist& playlist() { return *m_playlist; }
    PlaylistPanel& playlistPanel() { return *m_playlistPanel; }
    Transport& transport() { return *m_transport; }
    TrackSelection& trackSelection() { return *m_trackSelection; }
    PeriodicUpdate& periodicUpdate() { return *m_periodicUpdate; }
    Settings& settings() { return *m_settings; }
    MediaAdder& mediaAdder() { return *m_mediaAdder; }
    Chrome& chrome() { return *m_chrome; }
    VideoSizes& videoSizes() { return *m_videoSizes; }
    PanelToggle& panelToggle() { return *m_panelToggle; }

    // Flags of the player.
    bool Shuffle = false;
    bool RepeatOn = false;
    bool TimeMode = true;
    bool Paused = false;
    bool OnTopWanted = false;
    bool OnTopApplied = false;
    bool OnTopSuspended = false;
    QString VcdDrive;

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
    QTimer* tmrAnimate = nullptr;

    // The seek guard of the position slider (its tag text): "", "False", "True".
    QString scrlTimeTag;

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

Q_SIGNALS:
    // Form_Unload has finished: the program may end.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void createMenus();
    void applySkin();
    bool restoreLastList();

    // Whether the entries may be written back to lastlist.lst at exit: not
    // before the load has restored them, nor when the file could not be read.
    bool m_lastListWritable = false;
    bool m_loadStarted = false;
    bool m_loaded = false;
    QImage m_background;

    EngineFactory m_engineFactory;
    frmPlayer* m_player = nullptr;
    bool m_unloaded = false;

    Playlist* m_playlist = nullptr;
    std::unique_ptr<PlaylistPanel> m_playlistPanel;
    std::unique_ptr<Transport> m_transport;
    std::unique_ptr<TrackSelection> m_trackSelection;
    std::unique_ptr<PeriodicUpdate> m_periodicUpdate;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<MediaAdder> m_mediaAdder;
    std::unique_ptr<VideoSizes> m_videoSizes;
    std::unique_ptr<Chrome> m_chrome;
    std::unique_ptr<PanelToggle> m_panelToggle;
};
