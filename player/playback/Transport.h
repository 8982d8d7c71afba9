#pragma once

#include <QObject>

class frmMain;

// The transport buttons: open, play, pause and stop.
class Transport : public QObject {
    Q_OBJECT
public:
    explicit Transport(frmMain& main);

private:
    frmMain& m_main;
};
