#include "playlist/PlaylistPanel.h"

#include "shell/frmMain.h"

PlaylistPanel::PlaylistPanel(frmMain& main)
    : m_main(main)
{
}
