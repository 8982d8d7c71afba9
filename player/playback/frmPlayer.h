#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

class frmMain;
class MediaEngine;

// The video window: it hosts the media engine MediaPlayer1, whose drawing area
// sits at its top-left corner. Its caption is the engine's file name. While no
// video plays it shows a quiet background of its own.
class frmPlayer : public QWidget {
    Q_OBJECT
public:
    frmPlayer(frmMain& main, std::unique_ptr<MediaEngine> engine);
    ~frmPlayer() override;

    MediaEngine& MediaPlayer1() { return *m_engine; }

    // Window events, named as the player publishes them.
    void Form_Load();
    void Form_Paint();
    void Form_GotFocus();
    void Form_Resize();
    void Form_Unload();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Initialize();
    // Shows the engine's drawing area only while a video is open, so that the
    // background shows otherwise.
    void syncDrawingArea();

    frmMain& m_main;
    std::unique_ptr<MediaEngine> m_engine;
    QImage m_background;
    bool m_paintQueued = false;
};

// The background of the video window while no video plays: a dark blue-grey
// gradient with the player's name faintly in the middle.
QImage drawIdleBackground(QSize size, qreal devicePixelRatio = 1.0);
