#pragma once

#include <QObject>

class frmMain;

// The 500 ms update and the handlers of the three sliders and the time display.
class PeriodicUpdate : public QObject {
    Q_OBJECT
public:
    explicit PeriodicUpdate(frmMain& main);

private:
    frmMain& m_main;
};
