#include "shell/Settings.h"

#include "shell/frmMain.h"

Settings::Settings(frmMain& main)
    : m_main(main)
{
}

void Settings::GetValue()
{
}

void Settings::SaveSettings()
{
}
