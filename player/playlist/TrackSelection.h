#pragma once

#include <QObject>

class frmMain;

// Which playlist entry plays: next, previous, start, shuffle and repeat.
class TrackSelection : public QObject {
    Q_OBJECT
public:
    explicit TrackSelection(frmMain& main);

private:
    frmMain& m_main;
};
