// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/FullScreenWindow.h"

#include "engine/VideoSurface.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

FullScreenWindow::FullScreenWindow(VideoPicture* picture)
    : m_surface(new VideoSurface(picture, this))
{
    setWindowTitle(QStringLiteral("Velkor Player"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // The picture fills the screen; the drawing area's size is the video
    // window's business.
    m_surface->setFollowsArea(false);
    layout->addWidget(m_surface);
}

void FullScreenWindow::enter()
{
    showFullScreen();
    activateWindow();
    m_surface->setFocus();
}

void FullScreenWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        emit leaveRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Closing the window (from the window manager) only leaves full screen; the
// window stays for the next time.
void FullScreenWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit leaveRequested();
}
