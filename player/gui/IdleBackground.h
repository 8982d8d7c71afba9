// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>

// What the video window shows while no video plays: a dark blue-grey gradient
// with the player's name faintly in the middle. It lies over the engine's
// drawing area rather than hiding it, so the area keeps its drawing context
// ready for the next video.
class IdleBackground : public QWidget {
    Q_OBJECT
public:
    explicit IdleBackground(QWidget* parent = nullptr);

Q_SIGNALS:
    // Raised after each repaint, for the window's own repaint handling.
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};

// The background picture at the given size.
QImage drawIdleBackground(QSize size, qreal devicePixelRatio = 1.0);
