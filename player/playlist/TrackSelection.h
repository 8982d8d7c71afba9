#pragma once

#include <QObject>

class frmMain;

// Which playlist entry plays: next, previous, start, shuffle and repeat.
class TrackSelection : public QObject {
    Q_OBJECT
public:
    explicit TrackSelection(frmMain& main);

    void cmdForward_Click();
    void cmdBack_Click();
    void lstPlay_DblClick();
    void chkRepeat_Click();
    void chkSuffle_Click();

private:
    frmMain& m_main;
};
