#include "playlist/MediaAdder.h"

#include "shell/frmMain.h"

MediaAdder::MediaAdder(frmMain& main)
    : m_main(main)
{
}

void MediaAdder::mnuFile_Click()
{
}

void MediaAdder::mnuAddDir_Click()
{
}

void MediaAdder::mnuAddVCD_Click()
{
}

void MediaAdder::mnuAutoVCD_Click()
{
}

QString MediaAdder::FindCdDrive(const QString&)
{
    return QString();
}
