// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/VideoSizes.h"

#include "core/MediaEngine.h"
#include "core/PlayerCore.h"
#include "core/StepRunner.h"
#include "gui/frmPlayer.h"
#include "gui/Twips.h"
#include "gui/WindowSystem.h"
#include "gui/frmMain.h"
#include "gui/VelkorCmd.h"

#include <QAction>
#include <QMenu>

#include <cmath>

namespace {

// The video window's width and height in twips, and setting them one at a time.
double widthOf(const QWidget& window)
{
    return Twips::fromPixelsX(window.width());
}
double heightOf(const QWidget& window)
{
    return Twips::fromPixelsY(window.height());
}
void setWidth(QWidget& window, double twips)
{
    window.resize(Twips::toPixelsX(twips), window.height());
}
void setHeight(QWidget& window, double twips)
{
    window.resize(window.width(), Twips::toPixelsY(twips));
}

} // namespace

VideoSizes::VideoSizes(frmMain& main)
    : m_main(main)
{
}

double VideoSizes::half(double twips)
{
    return std::floor(twips / 2);
}

void VideoSizes::cmdFull_Click()
{
    WindowSystem::current().popupMenu(m_main.mnuZoom, nullptr);
}

void VideoSizes::mnuHalf_Click()
{
    frmPlayer& video = m_main.videoWindow();
    // A step that fails is skipped and the next one runs.
    StepRunner step(QStringLiteral("mnuHalf_Click"));
    step("hide the video window", [&] { video.hide(); });
    step("halve the width", [&] { setWidth(video, half(widthOf(video))); });
    step("halve the height", [&] { setHeight(video, half(heightOf(video))); });
    step("fit the picture", [&] { m_main.engine().setDisplaySize(MediaEngine::Fitted); });
    step("show the video window", [&] { video.show(); });
}

void VideoSizes::mnuOriginal_Click()
{
    frmPlayer& video = m_main.videoWindow();
    // A step that fails is skipped and the next one runs.
    StepRunner step(QStringLiteral("mnuOriginal_Click"));
    step("the video's own size", [&] { m_main.engine().setDisplaySize(MediaEngine::Original); });
    step("hide the video window", [&] { video.hide(); });
    step("show the video window", [&] { video.show(); });
}

void VideoSizes::mnuDouble_Click()
{
    frmPlayer& video = m_main.videoWindow();
    MediaEngine& engine = m_main.engine();
    // A step that fails is skipped and the next one runs.
    StepRunner step(QStringLiteral("mnuDouble_Click"));
    step("hide the video window", [&] { video.hide(); });
    // At the video's own size the engine sizes its drawing area to the video,
    // which is the base of the doubling.
    step("the video's own size", [&] { engine.setDisplaySize(MediaEngine::Original); });
    // Both lengths of the area are taken before the window changes: a new
    // width makes the window resize the area, which would otherwise leave the
    // height based on the old window instead of on the video.
    const double areaWidth = Twips::fromPixelsX(engine.drawingWidth());
    const double areaHeight = Twips::fromPixelsY(engine.drawingHeight());
    step("width of the area and margin", [&] { setWidth(video, areaWidth + kMargin); });
    step("height of the area and margin", [&] { setHeight(video, areaHeight + kMargin); });
    step("double the width", [&] { setWidth(video, widthOf(video) * 2); });
    step("double the height", [&] { setHeight(video, heightOf(video) * 2); });
    step("fit the picture", [&] { engine.setDisplaySize(MediaEngine::Fitted); });
    step("redraw the video window", [&] { video.update(); });
    step("show the video window", [&] { video.show(); });
}

void VideoSizes::mnuFullCtrl_Click()
{
    QAction* item = m_main.mnuFullCtrl;
    item->setChecked(!item->isChecked());
    // While the item is checked the engine's own full-screen switch is off.
    m_main.engine().setFullScreenEnabled(!item->isChecked());
}

void VideoSizes::mnuFull_Click()
{
    MediaEngine& engine = m_main.engine();
    engine.setDisplaySize(engine.DisplaySize() == MediaEngine::FullScreen ? MediaEngine::Fitted : MediaEngine::FullScreen);
}

