// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class VideoPicture;
class VideoSurface;

// The window of its own in which the engine shows the video full screen, with
// its own surface on the engine's picture. Escape or a request to close the
// window asks to leave (leaveRequested); the engine decides and hides it.
class FullScreenWindow : public QWidget {
    Q_OBJECT
public:
    explicit FullScreenWindow(VideoPicture* picture);

    VideoSurface* surface() const { return m_surface; }

    void enter();

signals:
    void leaveRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    VideoSurface* m_surface;
};
