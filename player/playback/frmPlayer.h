#pragma once

#include <QWidget>

#include <memory>

class frmMain;
class MediaEngine;

// The video window: it hosts the media engine MediaPlayer1 and its drawing area.
class frmPlayer : public QWidget {
    Q_OBJECT
public:
    frmPlayer(frmMain& main, std::unique_ptr<MediaEngine> engine);
    ~frmPlayer() override;

    MediaEngine& MediaPlayer1() { return *m_engine; }

    void Form_Load();

private:
    frmMain& m_main;
    std::unique_ptr<MediaEngine> m_engine;
};
