#pragma once

#include <QObject>

class frmMain;

// The 500 ms update and the handlers of the three sliders and the time display.
class PeriodicUpdate : public QObject {
    Q_OBJECT
public:
    explicit PeriodicUpdate(frmMain& main);

    void tmrAnimate_Timer();
    void scrlTime_Change();
    void scrlVol_Change();
    void scrlBal_Change();
    void lblTime_Click();
    void ShowDuration();

private:
    frmMain& m_main;
};
