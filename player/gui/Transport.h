#pragma once

#include "dialogs/Prompts.h"

#include <QObject>
#include <QString>

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
    // Asks for one file, makes it the whole playlist and plays it.
    void OpenFile();


private:

    frmMain& m_main;
};
