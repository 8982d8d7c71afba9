#pragma once

#include <QObject>

class frmMain;

namespace sarv {
class Variateur;
}

// The 500 ms update and the handlers of the three sliders and the time display.
// The update polls the engine: it detects the end of a track and moves on,
// keeps the position slider and the time text in step, scrolls the title and
// applies the on-top state of the main window.
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

    // How long scrlBal_Change holds the user interface after a balance change.
    static constexpr int kBalancePauseMs = 250;

    // Sets a slider's value when it lies within the slider's range; a value
    // outside is left out instead of having the slider refuse it with a message.
    static bool setSliderValue(sarv::Variateur& slider, int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void endOfTrack();
    void followPosition();
    void scrollTitle();
    void showTime();

    frmMain& m_main;
    // True while scrlBal_Change lets pending events run, so that a balance
    // change arriving then does not nest another round of pending events.
    bool m_balanceSettling = false;
};
