#pragma once

#include <QObject>

class frmMain;

// The ten options kept between runs.
class Settings : public QObject {
    Q_OBJECT
public:
    explicit Settings(frmMain& main);

    void GetValue();
    void SaveSettings();

private:
    frmMain& m_main;
};
