#include "playback/PeriodicUpdate.h"

#include "shell/frmMain.h"

PeriodicUpdate::PeriodicUpdate(frmMain& main)
    : m_main(main)
{
}
