// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class frmMain;
class IdleBackground;
class MediaEngine;

// The video window: it shows the picture of the media engine MediaPlayer1,
// which it borrows from the player core, in a drawing area at its top-left
// corner. Its caption is the engine's file name. While no
// video plays it shows a quiet background of its own.
class frmPlayer : public QWidget {
    Q_OBJECT
public:
    frmPlayer(frmMain& main, MediaEngine& engine);
    ~frmPlayer() override;


    // Window events, named as the player publishes them.
    void Form_Load();
    void Form_Paint();
    void Form_GotFocus();
    void Form_Resize();
    void Form_Unload();

    // True while the window's own background covers the drawing area.
    bool showsIdleBackground() const;

public Q_SLOTS:
    // The engine's drawing area has a new size (the first video's own size).
    void takeFirstVideoSize(QSize area);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private Q_SLOTS:
    // The drawing area's exposures and the background's paints, connected by
    // the children's names when the window is made.
    void on_MediaPlayer1_exposed();
    void on_IdleBackground_painted();

private:
    static QSize initialSize();
    void Form_Initialize();
    // The background lies over the drawing area unless a video is open.
    void syncIdleBackground();
    void queueFormPaint();

    frmMain& m_main;
    MediaEngine* m_engine;
    // The surface that shows the engine's picture, if the engine has one.
    QWidget* m_area = nullptr;
    IdleBackground* m_idle = nullptr;
    bool m_paintQueued = false;
    // The window has a size other than its first one.
    bool m_sizeChosen = false;
};
