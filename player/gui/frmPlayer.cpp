// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/frmPlayer.h"

#include "gui/AccessibleNames.h"
#include "gui/IdleBackground.h"
#include "gui/KeyboardReach.h"
#include "core/MediaEngine.h"
#include "core/PlayerCore.h"
#include "core/MediaKind.h"
#include "core/PlaylistModel.h"
#include "gui/Twips.h"
#include "gui/frmMain.h"
#include "core/VideoPicture.h"
#include "gui/X11Window.h"
#include "engine/VideoSurface.h"

#include <QAction>
#include <QCloseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

// The drawing area leaves this margin (in twips) free at the right and bottom.
constexpr double kDrawingMarginTwips = 20.0;

} // namespace

frmPlayer::frmPlayer(frmMain& main, MediaEngine& engine)
    : m_main(main)
    , m_engine(&engine)
{
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Only the margin round the drawing area sets a floor: the half-size item
    // may take a small video's window down to a quarter and below.
    setMinimumSize(Twips::toPixelsX(kDrawingMarginTwips) + 1,
        Twips::toPixelsY(kDrawingMarginTwips) + 1);
    resize(initialSize());
    if (VideoPicture* picture = m_engine->picture()) {
        auto* area = new VideoSurface(picture, this);
        // The surface shows the engine MediaPlayer1's picture.
        area->setObjectName(QStringLiteral("MediaPlayer1"));
        area->move(0, 0);
        m_area = area;
    }
    m_idle = new IdleBackground(this);
    m_idle->setObjectName(QStringLiteral("IdleBackground"));
    m_idle->setGeometry(rect());
    // Over a surface with a window of its own, only a window of its own can
    // lie: the X server stacks windows, not Qt.
    if (m_area && m_area->testAttribute(Qt::WA_NativeWindow)) {
        m_idle->setAttribute(Qt::WA_DontCreateNativeAncestors);
        m_idle->setAttribute(Qt::WA_NativeWindow);
    }
    m_idle->raise();
    QMetaObject::connectSlotsByName(this);
    AccessibleNames::apply(*this);
    KeyboardReach::apply(*this, m_main);
    Form_Initialize();
}

frmPlayer::~frmPlayer() = default;

// A video at its own size can cover the whole window; the surface's exposures
// then stand for the window's repaints. Its new frames do not: the window has
// not been repainted for them.
void frmPlayer::on_MediaPlayer1_exposed()
{
    queueFormPaint();
}

void frmPlayer::on_IdleBackground_painted()
{
    queueFormPaint();
}

// Creation: a window made while an audio file is open stays out of sight.
void frmPlayer::Form_Initialize()
{
    if (MediaKind::endsIn(m_engine->FileName(), MediaKind::List::AudioAtCreation))
        hide();
}

void frmPlayer::Form_Load()
{
    m_engine->setDisplaySize(m_main.core().FitToSize() ? MediaEngine::Fitted : MediaEngine::Original);
    const QString fileName = m_engine->FileName();
    if (fileName.isEmpty())
        return;
    if (!MediaKind::endsIn(fileName, MediaKind::List::NotShown))
        show();
    m_main.core().selectionBecomesCurrentTrack();
    setWindowTitle(fileName);
}

// Repaint: the window stays up only for video, and gives way to the engine's
// own full-screen picture.
void frmPlayer::Form_Paint()
{
    // The caption follows the media even when the window never gets the focus.
    setWindowTitle(m_engine->FileName());
    if (!MediaKind::endsIn(m_engine->FileName(), MediaKind::List::Video))
        hide();
    if (m_engine->DisplaySize() == MediaEngine::FullScreen)
        showMinimized();
    syncIdleBackground();
}

void frmPlayer::Form_GotFocus()
{
    setWindowTitle(m_engine->FileName());
}

void frmPlayer::Form_Resize()
{
    if (m_main.core().FitToSize()) {
        const int size = m_engine->DisplaySize();
        if (size != MediaEngine::Fitted && size != MediaEngine::FullScreen)
            m_engine->setDisplaySize(MediaEngine::Fitted);
    }
    const int w = Twips::toPixelsX(Twips::fromPixelsX(width()) - kDrawingMarginTwips);
    const int h = Twips::toPixelsY(Twips::fromPixelsY(height()) - kDrawingMarginTwips);
    m_engine->setDrawingSize(std::max(0, w), std::max(0, h));
}

// Unloading does nothing of its own: the engine goes with the window (the main
// window releases it), and the next use makes a new one with nothing open.
void frmPlayer::Form_Unload() { }

bool frmPlayer::showsIdleBackground() const
{
    return !m_idle->isHidden();
}

void frmPlayer::syncIdleBackground()
{
    m_idle->setVisible(!MediaKind::endsIn(m_engine->FileName(), MediaKind::List::Video));
}

void frmPlayer::paintEvent(QPaintEvent*)
{
    // The margins around the drawing area.
    QPainter(this).fillRect(rect(), QColor(10, 12, 20));
    queueFormPaint();
}

// Hiding or minimising a window from inside its own paint event is unsafe; the
// repaint handler runs right after it instead, once per burst of paints.
void frmPlayer::queueFormPaint()
{
    if (m_paintQueued)
        return;
    m_paintQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_paintQueued = false;
        Form_Paint();
    });
}

QSize frmPlayer::initialSize()
{
    return QSize(Twips::toPixelsX(4800), Twips::toPixelsY(3600));
}

// The window's first size is the first video's own: a video shown at its own
// size then shows whole instead of its top-left corner. Once a size is the
// user's or a size item's, or a video has set it, the window keeps its size as
// the size items and the resize handling say; so does a video larger than the
// screen, or one fitted to the window.
void frmPlayer::takeFirstVideoSize(QSize area)
{
    if (m_sizeChosen || area.isEmpty() || m_engine->DisplaySize() != MediaEngine::Original)
        return;
    const QSize wanted(Twips::toPixelsX(Twips::fromPixelsX(area.width()) + kDrawingMarginTwips),
        Twips::toPixelsY(Twips::fromPixelsY(area.height()) + kDrawingMarginTwips));
    // The area the window gives (no video size known yet) changes nothing.
    if (wanted == size())
        return;
    if (const QScreen* shown = screen()) {
        const QSize room = shown->availableGeometry().size();
        if (wanted.width() > room.width() || wanted.height() > room.height())
            return;
    }
    m_sizeChosen = true;
    resize(wanted);
}

void frmPlayer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (event->size() != initialSize())
        m_sizeChosen = true;
    m_idle->setGeometry(rect());
    Form_Resize();
}

void frmPlayer::showEvent(QShowEvent* event)
{
    // The video window belongs to the main window: one task-bar entry for both.
    if (!event->spontaneous())
        X11Window::keepOutOfTaskBar(*this);
    QWidget::showEvent(event);
    syncIdleBackground();
}

void frmPlayer::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_GotFocus();
}

// Closing the video window unloads it, as the hub does at shutdown. The hub
// deletes it once this event has returned.
void frmPlayer::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
    QPointer<frmPlayer> self(this);
    frmMain* main = &m_main;
    QTimer::singleShot(0, main, [main, self] {
        if (self && main->hasVideoWindow() && &main->videoWindow() == self)
            main->unloadVideoWindow();
    });
}
