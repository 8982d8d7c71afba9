#include "playback/EngineFactory.h"

#include "playback/MpvEngine.h"

std::unique_ptr<MediaEngine> createMediaEngine()
{
    return std::make_unique<MpvEngine>(MpvEngine::VideoOutput::Surface);
}
