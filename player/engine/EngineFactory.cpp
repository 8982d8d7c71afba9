#include "engine/EngineFactory.h"

#include "engine/MpvEngine.h"

std::unique_ptr<MediaEngine> createMediaEngine()
{
    return std::make_unique<MpvEngine>(MpvEngine::VideoOutput::Surface);
}
