#include "playback/Transport.h"

#include "shell/frmMain.h"

Transport::Transport(frmMain& main)
    : m_main(main)
{
}
