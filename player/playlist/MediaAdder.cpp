#include "playlist/MediaAdder.h"

#include "shell/frmMain.h"

MediaAdder::MediaAdder(frmMain& main)
    : m_main(main)
{
}
