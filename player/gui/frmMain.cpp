// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/frmMain.h"

#include "core/SettingsStore.h"
#include "core/MediaAdder.h"
#include "core/MediaEngine.h"
#include "core/PlayerCore.h"
#include "core/StepRunner.h"
#include "dialogs/QtPrompts.h"
#include "dialogs/SliderMessages.h"
#include "gui/AccessibleNames.h"
#include "gui/AddMenuIcons.h"
#include "gui/Chrome.h"
#include "gui/KeyboardReach.h"
#include "gui/PanelToggle.h"
#include "gui/OnTop.h"
#include "gui/PlaylistPanel.h"
#include "gui/PlaylistView.h"
#include "gui/ShufflePicture.h"
#include "gui/SliderForms.h"
#include "gui/Twips.h"
#include "gui/VideoSizes.h"
#include "gui/frmPlayer.h"
#include "gui/MenuIcons.h"
#include "gui/WindowShape.h"
#include "gui/VelkorCheck.h"
#include "gui/VelkorCmd.h"

#include <sarv/ControlFactory.h>
#include <sarv/Variateur.h>

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>

#include <algorithm>

namespace {

template <typename W> W* place(W* widget, double left, double top, double width, double height)
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

frmMain::frmMain(PlayerCore& core, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_core(core)
{
    QtPrompts::installAsDefault();
    SliderMessages::installOnce();
    setWindowTitle(QString());
    setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    resize(Twips::toPixelsX(5145), Twips::toPixelsY(5700));
    createControls();
    createMenus();
    nameControls();
    applySkin();
    AccessibleNames::apply(*this);
    KeyboardReach::apply(*this);

    SliderForms::load(*this);
    lblTime->installEventFilter(this);
    m_playlistPanel = std::make_unique<PlaylistPanel>(*this);
    m_videoSizes = std::make_unique<VideoSizes>(*this);
    m_chrome = std::make_unique<Chrome>(*this);
    m_panelToggle = std::make_unique<PanelToggle>(*this);
    // Every control is made and named: each event reaches the slot named
    // after the control and the event (on_cmdPlay_Click, ...).
    QMetaObject::connectSlotsByName(this);
}

frmMain::~frmMain()
{
    unloadVideoWindow();
}

void frmMain::createControls()
{
    cmdAbt = place(new VelkorCmd(QStringLiteral("?"), this), 120, 75, 255, 255);
    Label3 = place(
        new QLabel(QStringLiteral("Velkor Player 2.0 \u2014 lecteur multim\u00e9dia"), this), 900,
        45, 3615, 180);
    Minimised = place(new QToolButton(this), 4680, 75, 135, 135);
    Minimised->setToolTip(QStringLiteral("Réduire"));
    Closed = place(new QToolButton(this), 4875, 75, 135, 135);
    Closed->setToolTip(QStringLiteral("Fermer"));
    txtTitle = place(new QLineEdit(this), 1545, 270, 3345, 210);
    txtTitle->setReadOnly(true);
    // The scrolling title is only shown: no edit menu opens over it.
    txtTitle->setContextMenuPolicy(Qt::NoContextMenu);
    lblpls = place(new QLabel(QStringLiteral("+"), this), 75, 450, 105, 195);
    Shape1 = place(new QFrame(this), 60, 480, 1410, 495);
    lblTime = place(new QLabel(QStringLiteral("00:00:00"), this), 120, 525, 1335, 330);
    // The elapsed/remaining sign overlaps the frame's edge: it goes above the
    // frame, under the time text, so it shows. It only shows: the mouse goes
    // through it to the frame and the time text as if it were not there.
    lblpls->stackUnder(lblTime);
    lblpls->setAttribute(Qt::WA_TransparentForMouseEvents);
    LabVol = place(new QLabel(QStringLiteral("Volume : 10"), this), 1800, 540, 930, 180);
    LabBal = place(new QLabel(QStringLiteral("Balance"), this), 3360, 540, 600, 180);
    Check1 = place(new VelkorCmd(QStringLiteral("U"), this), 4200, 600, 330, 330);
    Check1->setFont(QFont(QStringLiteral("Webdings")));
    cmdFull = place(new VelkorCmd(QString(QChar(190)), this), 4545, 600, 330, 330);
    cmdFull->setFont(QFont(QStringLiteral("Webdings")));
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
    for (VelkorCmd* button : { cmdBack, cmdPlay, cmdPause, cmdStop, cmdForward })
        button->setFont(QFont(QStringLiteral("Webdings")));
    cmdOpen->setFont(QFont(QStringLiteral("Wingdings")));
    chkRepeat = place(new VelkorCheck(QStringLiteral("\u21BB rep"), this), 3360, 1440, 765, 225);
    chkRepeat->setToolTip(QStringLiteral("Répeter la liste de lecture"));
    chkSuffle = place(new VelkorCheck(QStringLiteral("\u21C4"), this), 4140, 1440, 390, 225);
    chkSuffle->setToolTip(QStringLiteral("Lecture aleatoire"));
    chkSuffle->setIcon(shuffleIcon(false));
    chkPlay = place(new VelkorCheck(QStringLiteral("\u2630"), this), 4515, 1440, 330, 225);
    chkPlay->setToolTip(QStringLiteral("Afficher/masquer la liste de lecture"));
    chkPlay->setChecked(true);

    picPlayList = place(new QWidget(this), 0, 1800, 5160, 3870);
    Label2
        = place(new QLabel(QStringLiteral("Velkor Player 2.0                   Liste de lecture :"),
                    picPlayList),
            290, 75, 3465, 180);
    txtFN = place(new QLabel(picPlayList), 360, 360, 4455, 255);
    lstPlay = place(new PlaylistView(picPlayList), 240, 540, 4605, 2790);
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
    cmdAPlayListGroup = new QButtonGroup(this);
    cmdAPlayListGroup->setExclusive(false);
    for (int i = 0; i < 5; ++i)
        cmdAPlayListGroup->addButton(cmdAPlayList[i], i);
}

void frmMain::createMenus()
{
    mnuMain = new QMenu(QStringLiteral("mnuMain"), this);
    mnuFile = mnuMain->addAction(QStringLiteral("Ajouter un &fichier"));
    mnuMain->addSeparator();
    mnuAddDir = mnuMain->addAction(QStringLiteral("Ajouter un &répertoir"));
    mnuAddVCD = mnuMain->addAction(QStringLiteral("Ajouter un &VCD"));
    mnuFile->setIcon(AddMenuIcons::file());
    mnuAddDir->setIcon(AddMenuIcons::folder());
    mnuAddVCD->setIcon(AddMenuIcons::disc());

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
    struct ShortcutItem {
        const char* caption;
        const char* keys;
        QIcon (*picture)();
    };
    const std::array<ShortcutItem, 6> shortcuts = { {
        { "Précédent", "Ctrl+B", &MenuIcons::previous },
        { "Lire", "Ctrl+P", &MenuIcons::play },
        { "Pause", "Ctrl+A", &MenuIcons::pause },
        { "Arrêter", "Ctrl+S", &MenuIcons::stop },
        { "Suivant", "Ctrl+N", &MenuIcons::next },
        { "Ouvrir", "Ctrl+O", &MenuIcons::open },
    } };
    for (int i = 0; i < 6; ++i) {
        mnuShortcut[i] = mnuBar->addAction(
            shortcuts[i].picture(), QString::fromUtf8(shortcuts[i].caption));
        mnuShortcut[i]->setShortcut(QKeySequence(QString::fromLatin1(shortcuts[i].keys)));
    }
    // The six items as one menu array: a trigger reports its item.
    mnuShortcutGroup = new QActionGroup(this);
    mnuShortcutGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (QAction* item : mnuShortcut)
        mnuShortcutGroup->addAction(item);
    mnuOnTop = mnuBar->addAction(QStringLiteral("P&remier plan"));
    mnuOnTop->setCheckable(true);
    mnuOnTop->setShortcut(QKeySequence(QStringLiteral("Ctrl+L")));
    mnuAutoVCD = mnuBar->addAction(QStringLiteral("Lecture auto &VCD"));
    mnuExit = mnuBar->addAction(MenuIcons::quit(), QStringLiteral("&Quitter"));
    mnuExit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
}

// Each control is known by its published name, as the people who test the
// window and the slots of its events know it; a control array's elements by
// the array's name and their index.
void frmMain::nameControls()
{
    const std::pair<QObject*, const char*> names[] = {
        { cmdAbt, "cmdAbt" },
        { Label3, "Label3" },
        { Minimised, "Minimised" },
        { Closed, "Closed" },
        { txtTitle, "txtTitle" },
        { lblpls, "lblpls" },
        { Shape1, "Shape1" },
        { lblTime, "lblTime" },
        { LabVol, "LabVol" },
        { LabBal, "LabBal" },
        { Check1, "Check1" },
        { cmdFull, "cmdFull" },
        { scrlVol, "scrlVol" },
        { scrlBal, "scrlBal" },
        { lblDuration, "lblDuration" },
        { scrlTime, "scrlTime" },
        { cmdBack, "cmdBack" },
        { cmdPlay, "cmdPlay" },
        { cmdPause, "cmdPause" },
        { cmdStop, "cmdStop" },
        { cmdForward, "cmdForward" },
        { cmdOpen, "cmdOpen" },
        { chkRepeat, "chkRepeat" },
        { chkSuffle, "chkSuffle" },
        { chkPlay, "chkPlay" },
        { picPlayList, "picPlayList" },
        { Label2, "Label2" },
        { txtFN, "txtFN" },
        { lstPlay, "lstPlay" },
        { cmdAPlayListGroup, "cmdAPlayList" },
        { mnuMain, "mnuMain" },
        { mnuFile, "mnuFile" },
        { mnuAddDir, "mnuAddDir" },
        { mnuAddVCD, "mnuAddVCD" },
        { mnuZoom, "mnuZoom" },
        { mnuHalf, "mnuHalf" },
        { mnuOriginal, "mnuOriginal" },
        { mnuDouble, "mnuDouble" },
        { mnuFullCtrl, "mnuFullCtrl" },
        { mnuFull, "mnuFull" },
        { mnuFit, "mnuFit" },
        { mnuBar, "mnuBar" },
        { mnuShortcutGroup, "mnuShortcut" },
        { mnuOnTop, "mnuOnTop" },
        { mnuAutoVCD, "mnuAutoVCD" },
        { mnuExit, "mnuExit" },
    };
    for (const auto& [control, name] : names)
        control->setObjectName(QLatin1String(name));
    for (int i = 0; i < int(cmdAPlayList.size()); ++i)
        cmdAPlayList[i]->setObjectName(QStringLiteral("cmdAPlayList(%1)").arg(i));
    for (int i = 0; i < int(mnuShortcut.size()); ++i)
        mnuShortcut[i]->setObjectName(QStringLiteral("mnuShortcut(%1)").arg(i));
}

frmPlayer& frmMain::videoWindow()
{
    if (!m_player) {
        m_player = new frmPlayer(*this, m_core.engine());
        Q_EMIT videoWindowCreated(m_player);
        m_player->Form_Load();
    }
    return *m_player;
}

// The window lets go of the engine's picture before the engine goes.
void frmMain::unloadVideoWindow()
{
    delete m_player;
    m_player = nullptr;
    m_core.engineHost().release();
}

MediaEngine& frmMain::engine()
{
    return m_core.engine();
}

// A click on the time display switches between elapsed time and time left.
bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblTime && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton
            && lblTime->rect().contains(mouse->position().toPoint())) {
            Q_EMIT timeModeToggled();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::applySkin()
{
    // Labels of 180 twips (12 pixels) take a 10-pixel font.
    QFont labelFont(QStringLiteral("DejaVu Sans"));
    labelFont.setPixelSize(10);
    for (QLabel* label : { Label3, LabVol, LabBal, Label2, txtFN })
        label->setFont(labelFont);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setStyleSheet(QStringLiteral("color: #dfe9f7;"));
    const QString dot = QStringLiteral(
        "QToolButton { border: 1px solid #0c121c; border-radius: %1px; background: %2; }"
        "QToolButton:hover { background: %3; }");
    const int radius = Minimised->width() / 2;
    Minimised->setStyleSheet(
        dot.arg(radius).arg(QLatin1String("#e8b339"), QLatin1String("#ffd36b")));
    Closed->setStyleSheet(dot.arg(radius).arg(QLatin1String("#d9534f"), QLatin1String("#ff7b76")));
    Minimised->setCursor(Qt::PointingHandCursor);
    Closed->setCursor(Qt::PointingHandCursor);

    txtTitle->setFrame(false);
    txtTitle->setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
    txtTitle->setStyleSheet(
        QStringLiteral("QLineEdit { background: #c9f2bd; color: #173a12; border: 1px solid #5e9a52;"
                       " border-radius: 3px; padding: 0 3px; }"));
    lblpls->setStyleSheet(QStringLiteral("color: #9fe28a; font-weight: bold;"));
    Shape1->setStyleSheet(QStringLiteral(
        "QFrame { background: #0c1a12; border: 1px solid #4f8f5c; border-radius: 6px; }"));
    QFont clock(QStringLiteral("DejaVu Sans Mono"));
    // The elapsed time fills the upper part of the frame; the duration sits
    // under it, where the two labels overlap.
    clock.setPixelSize(Twips::toPixelsY(735 - 525) - 1);
    clock.setBold(true);
    lblTime->setFont(clock);
    lblTime->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblTime->setStyleSheet(QStringLiteral("color: #8cf57a; background: transparent;"));
    QFont small(QStringLiteral("DejaVu Sans Mono"));
    small.setPixelSize(Twips::toPixelsY(210) - 4);
    lblDuration->setFont(small);
    lblDuration->setAlignment(Qt::AlignCenter);
    lblDuration->setStyleSheet(QStringLiteral("color: #5fbf55; background: transparent;"));
    for (QLabel* label : { LabVol, LabBal })
        label->setStyleSheet(QStringLiteral("color: #c4d3e8;"));

    picPlayList->setAutoFillBackground(true);
    QPalette panel = picPlayList->palette();
    QLinearGradient panelBrush(0, 0, 0, 1);
    panelBrush.setCoordinateMode(QGradient::ObjectBoundingMode);
    panelBrush.setColorAt(0, QColor(0x24, 0x31, 0x46));
    panelBrush.setColorAt(1, QColor(0x12, 0x1A, 0x27));
    panel.setBrush(QPalette::Window, panelBrush);
    picPlayList->setPalette(panel);
    Label2->setStyleSheet(QStringLiteral("color: #dfe9f7;"));
    txtFN->setStyleSheet(QStringLiteral("color: #b7ddff;"));
    lstPlay->setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    lstPlay->setStyleSheet(QStringLiteral(
        "QListView { background: #d8eafc; color: #10223a; border: 1px solid #6b8bb3;"
        " border-radius: 4px; selection-background-color: #3f6fb0; selection-color: white; }"));
}

void frmMain::paintEvent(QPaintEvent*)
{
    if (m_background.size() != size() * devicePixelRatioF()) {
        m_background = QImage(size() * devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
        m_background.setDevicePixelRatio(devicePixelRatioF());
        QPainter p(&m_background);
        QLinearGradient face(0, 0, 0, height());
        face.setColorAt(0, QColor(0x3D, 0x52, 0x72));
        face.setColorAt(0.16, QColor(0x26, 0x35, 0x4D));
        face.setColorAt(1, QColor(0x10, 0x17, 0x23));
        p.fillRect(rect(), face);
        // A light rim along the top and a groove under the title row.
        p.setPen(QColor(255, 255, 255, 60));
        p.drawLine(8, 1, width() - 9, 1);
        p.setPen(QColor(0, 0, 0, 90));
        const int groove = Twips::toPixelsY(250);
        p.drawLine(6, groove, width() - 7, groove);
    }
    QPainter p(this);
    p.drawImage(QPoint(0, 0), m_background);
}

bool frmMain::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(event);
}

void frmMain::Form_Activate()
{
    setWindowTitle(QString());
}

void frmMain::setSettingsStore(SettingsStore* store)
{
    m_settings = store;
}

QPointF frmMain::twipsPlace() const
{
    return QPointF(Twips::fromPixelsX(x()), Twips::fromPixelsY(y()));
}

void frmMain::moveToPlace(const QPointF& twips)
{
    const QPoint target(Twips::toPixelsX(twips.x()), Twips::toPixelsY(twips.y()));
    if (target != pos())
        move(target);
}

// A window beyond the right edge, taller than the screen, or with a negative
// edge goes back to the top left corner.
void frmMain::keepOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const double screenWidth = Twips::fromPixelsX(screen->size().width());
    const double screenHeight = Twips::fromPixelsY(screen->size().height());
    if (Twips::fromPixelsX(x()) > screenWidth || Twips::fromPixelsY(height()) > screenHeight)
        move(0, 0);
    if (x() < 0 || y() < 0)
        move(0, 0);
}

bool frmMain::loadSettings()
{
    // A coordinate that cannot be read leaves the window where it is.
    m_core.setWindowPlace(twipsPlace());
    if (!m_settings)
        return false;
    m_settings->GetValue();
    keepOnScreen();
    return true;
}

bool frmMain::saveSettings()
{
    m_core.setWindowPlace(twipsPlace());
    if (!m_settings)
        return false;
    m_settings->SaveSettings();
    return true;
}

bool frmMain::isLoaded() const
{
    return m_core.loadState() == PlayerCore::LoadState::Loaded;
}

void frmMain::Form_Load()
{
    m_core.setLoadState(PlayerCore::LoadState::Loading);
    // Every step gets its turn: one that fails is skipped, and the playlist is
    // restored whatever happened before.
    StepRunner step(QStringLiteral("Form_Load"));
    step("shape the window", [this] { WindowShape::apply(this); });
    step("seed the random generator", [this] { m_core.sequencer().Randomize(); });
    // The level table is constant data, in place before any code runs.
    step("GetValue", [this] { return loadSettings(); });
    step("show the window", [this] { show(); });
    step("FindCdDrive", [this] { m_core.setVcdDrive(MediaAdder::FindCdDrive()); });
    step("hide the video window", [this] { videoWindow().hide(); });
    m_core.setPaused(false);
    step("chkPlay_Click", [this] { panelToggle().chkPlay_Click(); });
    step("centre the balance", [this] { scrlBal->setValue(10); });
    step("empty the engine's file name", [this] { engine().setFileName(QString()); });
    step("restore lastlist.lst", [this] { return m_core.restoreLastList(); });
    m_core.setLoadState(PlayerCore::LoadState::Loaded);
}

void frmMain::Form_Unload()
{
    const PlayerCore::LoadState state = m_core.loadState();
    if (state == PlayerCore::LoadState::Unloaded)
        return;
    // The playlist is the person's only once the load has restored it.
    const bool listWritable = m_core.lastListWritable();
    m_core.setLoadState(PlayerCore::LoadState::Unloaded);
    // No update may run once the unload has begun: a tick, or the next step
    // of a run of failing entries, after the video window is gone would
    // create a new engine.
    m_core.clock().stop();
    m_core.sequencer().cancelMoveOn();
    StepRunner step(QStringLiteral("Form_Unload"));
    // A window that was never loaded holds nothing of the user's: writing it
    // out would replace the stored playlist and settings with empty ones.
    if (state != PlayerCore::LoadState::NotLoaded) {
        // The playlist is restored last: until then it is not the user's yet.
        if (listWritable)
            step("write lastlist.lst", [this] { return m_core.saveLastList(); });
        step("SaveSettings", [this] { return saveSettings(); });
        step("cmdStop_Click", [this] { m_core.transport().cmdStop_Click(); });
    }
    step("unload frmAbout", [this] { chrome().unloadAbout(); });
    step("unload frmPlayer", [this] { unloadVideoWindow(); });
    Q_EMIT unloaded();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // An unload is never cancelled.
    Form_Unload();
    event->accept();
}

int frmMain::timeMin() const
{
    return scrlTime->Min();
}

int frmMain::timeMax() const
{
    return scrlTime->Max();
}

int frmMain::timeValue() const
{
    return scrlTime->Value();
}

QWidget* frmMain::playlistDropArea() const
{
    return lstPlay->viewport();
}
