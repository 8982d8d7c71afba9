#pragma once

#include <QObject>

class frmMain;

// The transport buttons: open, play, pause and stop.
class Transport : public QObject {
    Q_OBJECT
public:
    explicit Transport(frmMain& main);

    void cmdPlay_Click();
    void cmdPause_Click();
    void cmdStop_Click();
    void cmdOpen_Click();
    void OpenFile();

private:
    frmMain& m_main;
};
