// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

// Moves a window with the pointer while the left button stays down, for window
// systems that refuse to move it themselves. It watches the application's mouse
// events from the press until the release, keeps the window at the same offset
// from the pointer, and deletes itself on the release.
class PointerFollower : public QObject {
    Q_OBJECT
public:
    // Starts following at the pointer's current position.
    static PointerFollower* start(QWidget* window, QPoint pointer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PointerFollower(QWidget* window, QPoint pointer);

    QPointer<QWidget> m_window;
    QPoint m_offset; // pointer position minus window position
};
