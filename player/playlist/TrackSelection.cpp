#include "playlist/TrackSelection.h"

#include "shell/frmMain.h"

TrackSelection::TrackSelection(frmMain& main)
    : m_main(main)
{
}

void TrackSelection::cmdForward_Click()
{
}

void TrackSelection::cmdBack_Click()
{
}

void TrackSelection::lstPlay_DblClick()
{
}

void TrackSelection::chkRepeat_Click()
{
}

void TrackSelection::chkSuffle_Click()
{
}
