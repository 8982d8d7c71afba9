#include "playback/PeriodicUpdate.h"

#include "shell/frmMain.h"

PeriodicUpdate::PeriodicUpdate(frmMain& main)
    : m_main(main)
{
}

void PeriodicUpdate::tmrAnimate_Timer()
{
}

void PeriodicUpdate::scrlTime_Change()
{
}

void PeriodicUpdate::scrlVol_Change()
{
}

void PeriodicUpdate::scrlBal_Change()
{
}

void PeriodicUpdate::lblTime_Click()
{
}

void PeriodicUpdate::ShowDuration()
{
}
