#pragma once

#include <QObject>

class frmMain;

// The playlist panel: its five buttons, the keys of lstPlay and the selection label.
class PlaylistPanel : public QObject {
    Q_OBJECT
public:
    explicit PlaylistPanel(frmMain& main);

private:
    frmMain& m_main;
};
