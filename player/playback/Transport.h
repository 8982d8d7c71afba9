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

    // The media filter as the choices of a file dialog: descriptions as given,
    // blanks included, and their patterns split at ';'.
    static QList<Prompts::FileFilter> mediaFileFilters();

private:
    // The open dialog of OpenFile; an empty result means cancelled.
    QString chooseMediaFile();

    frmMain& m_main;
};
