#pragma once

#include <QObject>
#include <QString>

class frmMain;

// Adding media to the playlist: a file, a folder, the tracks of a video CD.
class MediaAdder : public QObject {
    Q_OBJECT
public:
    explicit MediaAdder(frmMain& main);

    void mnuFile_Click();
    void mnuAddDir_Click();
    void mnuAddVCD_Click();
    void mnuAutoVCD_Click();

    // The mount point, with a trailing "/", of the first mounted optical disc
    // listed in the mount table; "" when there is none.
    static QString FindCdDrive(const QString& mountTable = QStringLiteral("/proc/self/mounts"));

private:
    frmMain& m_main;
};
