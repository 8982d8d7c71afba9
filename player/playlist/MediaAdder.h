#pragma once

#include <QObject>

class frmMain;

// Adding media to the playlist: a file, a folder, the tracks of a video CD.
class MediaAdder : public QObject {
    Q_OBJECT
public:
    explicit MediaAdder(frmMain& main);

private:
    frmMain& m_main;
};
