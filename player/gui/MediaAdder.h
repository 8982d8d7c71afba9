#pragma once

#include "dialogs/Prompts.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class frmMain;

// Adding media to the playlist: a file, a folder, the tracks of a video CD, and
// playing the video CD at once. It owns the add menu mnuMain that the playlist
// panel's "&Ajouter" button pops up.
class MediaAdder : public QObject {
    Q_OBJECT
public:
    explicit MediaAdder(frmMain& main);

    void mnuFile_Click();
    void mnuAddDir_Click();
    void mnuAddVCD_Click();
    void mnuAutoVCD_Click();

    // The "&Ajouter" button: the add menu at the mouse position.
    void popUpAddMenu();

    // The mount point, with a trailing "/", of the first mounted optical disc
    // listed in the mount table; "" when there is none or the table cannot be read.
    static QString FindCdDrive(const QString& mountTable = QStringLiteral("/proc/self/mounts"));

    // The video CD tracks under drive (a mount point ending in "/", or "" to
    // search from the current folder): the files avseq*.* of the folder mpegav,
    // both matched without regard to case, spelt as the file system spells them.
    static QStringList VcdTracks(const QString& drive);


private:
    // The folder picker: the chosen folder, "" when cancelled.
    QString chooseFolder();

    frmMain& m_main;
};
