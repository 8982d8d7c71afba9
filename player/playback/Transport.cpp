#include "playback/Transport.h"

#include "shell/frmMain.h"

Transport::Transport(frmMain& main)
    : m_main(main)
{
}

void Transport::cmdPlay_Click()
{
}

void Transport::cmdPause_Click()
{
}

void Transport::cmdStop_Click()
{
}

void Transport::cmdOpen_Click()
{
}

void Transport::OpenFile()
{
}
