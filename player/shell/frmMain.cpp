#include "shell/frmMain.h"

#include "playback/MediaEngine.h"
#include "playback/PeriodicUpdate.h"
#include "playback/Transport.h"
#include "playback/VideoSizes.h"
#include "playback/frmPlayer.h"
#include "playlist/MediaAdder.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistPanel.h"
#include "playlist/TrackSelection.h"
#include "shell/Chrome.h"
#include "shell/Settings.h"
#include "shell/Twips.h"
#include "widgets/VelkorCmd.h"

#include <sarv/ControlFactory.h>
#include <sarv/Variateur.h>

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

namespace {

template <typename W>
W* place(W* widget, double left, double top, double width, double height)
{
    widget->setGeometry(Twips::toPixels(left, top, width, height));
    return widget;
}

sarv::Variateur* createSlider(QWidget* parent)
{
    return qobject_cast<sarv::Variateur*>(
        sarv::createControl(QStringLiteral("Sarv.Variateur"), parent));
}

} // namespace

frmMain::frmMain(EngineFactory engineFactory, QWidget* parent)
    : QWidget(parent)
    , m_engineFactory(std::move(engineFactory))
{
    setWindowTitle(QString());
    resize(Twips::toPixelsX(5145), Twips::toPixelsY(5700));
    createControls();
    createMenus();

    m_playlist = new Playlist(lstPlay, this);
    m_playlistPanel = std::make_unique<PlaylistPanel>(*this);
    m_transport = std::make_unique<Transport>(*this);
    m_trackSelection = std::make_unique<TrackSelection>(*this);
    m_periodicUpdate = std::make_unique<PeriodicUpdate>(*this);
    m_settings = std::make_unique<Settings>(*this);
    m_mediaAdder = std::make_unique<MediaAdder>(*this);
    m_videoSizes = std::make_unique<VideoSizes>(*this);
    m_chrome = std::make_unique<Chrome>(*this);
}

frmMain::~frmMain()
{
    unloadVideoWindow();
}

void frmMain::createControls()
{
    cmdAbt = place(new VelkorCmd(QStringLiteral("?"), this), 120, 75, 255, 255);
    Label3 = place(new QLabel(QStringLiteral("Velkor Player 2.0"), this), 900, 45, 3615, 180);
    Minimised = place(new QToolButton(this), 4680, 75, 135, 135);
    Minimised->setToolTip(QStringLiteral("Réduire"));
    Closed = place(new QToolButton(this), 4875, 75, 135, 135);
    Closed->setToolTip(QStringLiteral("Fermer"));
    txtTitle = place(new QLineEdit(this), 1545, 270, 3345, 210);
    txtTitle->setReadOnly(true);
    lblpls = place(new QLabel(QStringLiteral("+"), this), 75, 450, 105, 195);
    Shape1 = place(new QWidget(this), 60, 480, 1410, 495);
    lblTime = place(new QLabel(QStringLiteral("00:00:00"), this), 120, 525, 1335, 330);
    LabVol = place(new QLabel(QStringLiteral("Volume : 10"), this), 1800, 540, 930, 180);
    LabBal = place(new QLabel(QStringLiteral("Balance"), this), 3360, 540, 600, 180);
    Check1 = place(new VelkorCmd(QStringLiteral("U"), this), 4200, 600, 330, 330);
    cmdFull = place(new VelkorCmd(QString(QChar(190)), this), 4545, 600, 330, 330);
    scrlVol = place(createSlider(this), 1560, 720, 1455, 135);
    scrlBal = place(createSlider(this), 3120, 720, 975, 135);
    lblDuration = place(new QLabel(QStringLiteral("00:00:00"), this), 480, 735, 840, 210);
    scrlTime = place(createSlider(this), 75, 1080, 4785, 135);
    cmdBack = place(new VelkorCmd(QStringLiteral("9"), this), 690, 1320, 420, 300);
    cmdBack->setToolTip(QStringLiteral("Précédente Piste"));
    cmdPlay = place(new VelkorCmd(QStringLiteral("4"), this), 1110, 1320, 420, 300);
    cmdPlay->setToolTip(QStringLiteral("Lire"));
    cmdPause = place(new VelkorCmd(QStringLiteral(";"), this), 1515, 1320, 420, 300);
    cmdPause->setToolTip(QStringLiteral("Pause"));
    cmdStop = place(new VelkorCmd(QStringLiteral("<"), this), 1920, 1320, 420, 300);
    cmdStop->setToolTip(QStringLiteral("Stop"));
    cmdForward = place(new VelkorCmd(QStringLiteral(":"), this), 2340, 1320, 420, 300);
    cmdForward->setToolTip(QStringLiteral("Suivante piste"));
    cmdOpen = place(new VelkorCmd(QStringLiteral("1"), this), 2760, 1320, 420, 300);
    cmdOpen->setToolTip(QStringLiteral("Ouvrir"));
    chkRepeat = place(new QCheckBox(this), 3360, 1440, 765, 225);
    chkRepeat->setToolTip(QStringLiteral("Répeter la liste de lecture"));
    chkSuffle = place(new QCheckBox(this), 4140, 1440, 390, 225);
    chkSuffle->setToolTip(QStringLiteral("Lecture aleatoire"));
    chkPlay = place(new QCheckBox(this), 4515, 1440, 330, 225);
    chkPlay->setToolTip(QStringLiteral("Afficher/masquer la liste de lecture"));
    chkPlay->setChecked(true);

    picPlayList = place(new QWidget(this), 0, 1800, 5160, 3870);
    Label2 = place(new QLabel(QStringLiteral("Velkor Player 2.0                   Liste de lecture :"),
                              picPlayList),
                   290, 75, 3465, 180);
    txtFN = place(new QLabel(picPlayList), 360, 360, 4455, 255);
    lstPlay = place(new QListView(picPlayList), 240, 540, 4605, 2790);
    lstPlay->setUniformItemSizes(true);
    lstPlay->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const std::array<const char*, 5> captions
        = { "&Ajouter", "&Supprimer", "&Sauvgarder", "&Charger", "&Vider" };
    const std::array<std::pair<int, int>, 5> columns
        = { { { 280, 855 }, { 1170, 975 }, { 2180, 975 }, { 3180, 855 }, { 4080, 735 } } };
    for (int i = 0; i < 5; ++i) {
        cmdAPlayList[i] = place(new VelkorCmd(QString::fromUtf8(captions[i]), picPlayList),
                                columns[i].first, 3370, columns[i].second, 340);
    }

    tmrAnimate = new QTimer(this);
    tmrAnimate->setInterval(500);
}

void frmMain::createMenus()
{
    mnuMain = new QMenu(QStringLiteral("mnuMain"), this);
    mnuFile = mnuMain->addAction(QStringLiteral("Ajouter un &fichier"));
    mnuMain->addSeparator();
    mnuAddDir = mnuMain->addAction(QStringLiteral("Ajouter un &répertoir"));
    mnuAddVCD = mnuMain->addAction(QStringLiteral("Ajouter un &VCD"));

    mnuZoom = new QMenu(QStringLiteral("mnu&Zoom"), this);
    mnuHalf = mnuZoom->addAction(QStringLiteral("&Demi taille"));
    mnuOriginal = mnuZoom->addAction(QStringLiteral("Taille &originale"));
    mnuDouble = mnuZoom->addAction(QStringLiteral("&Double Taile"));
    mnuZoom->addSeparator();
    mnuFullCtrl = mnuZoom->addAction(QStringLiteral("&Activer plein écran"));
    mnuFullCtrl->setCheckable(true);
    mnuFull = mnuZoom->addAction(QStringLiteral("&Plein écran"));
    mnuFit = mnuZoom->addAction(QStringLiteral("Fit to &Size"));
    mnuFit->setCheckable(true);

    mnuBar = new QMenu(QStringLiteral("HI"), this);
    const std::array<std::pair<const char*, const char*>, 6> shortcuts = { {
        { "Précédent", "Ctrl+B" },
        { "Lire", "Ctrl+P" },
        { "Pause", "Ctrl+A" },
        { "Arrêter", "Ctrl+S" },
        { "Suivant", "Ctrl+N" },
        { "Ouvrir", "Ctrl+O" },
    } };
    for (int i = 0; i < 6; ++i) {
        mnuShortcut[i] = mnuBar->addAction(QString::fromUtf8(shortcuts[i].first));
        mnuShortcut[i]->setShortcut(QKeySequence(QString::fromLatin1(shortcuts[i].second)));
    }
    mnuOnTop = mnuBar->addAction(QStringLiteral("P&remier plan"));
    mnuOnTop->setCheckable(true);
    mnuOnTop->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));
    mnuAutoVCD = mnuBar->addAction(QStringLiteral("Lecture auto &VCD"));
    mnuExit = mnuBar->addAction(QStringLiteral("&Quitter"));
    mnuExit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
}

frmPlayer& frmMain::videoWindow()
{
    if (!m_player) {
        m_player = new frmPlayer(*this, m_engineFactory());
        m_player->Form_Load();
    }
    return *m_player;
}

void frmMain::unloadVideoWindow()
{
    delete m_player;
    m_player = nullptr;
}

MediaEngine& frmMain::engine()
{
    return videoWindow().MediaPlayer1();
}

void frmMain::Form_Load()
{
}

void frmMain::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    unloadVideoWindow();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}
