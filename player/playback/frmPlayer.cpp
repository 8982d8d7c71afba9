#include "playback/frmPlayer.h"

#include "playback/MediaEngine.h"
#include "shell/frmMain.h"

frmPlayer::frmPlayer(frmMain& main, std::unique_ptr<MediaEngine> engine)
    : m_main(main)
    , m_engine(std::move(engine))
{
    if (QWidget* area = m_engine->drawingArea())
        area->setParent(this);
}

frmPlayer::~frmPlayer() = default;

void frmPlayer::Form_Load()
{
}
