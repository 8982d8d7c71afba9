#include "playlist/TrackSelection.h"

#include "shell/frmMain.h"

TrackSelection::TrackSelection(frmMain& main)
    : m_main(main)
{
}
