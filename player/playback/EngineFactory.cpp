#include "playback/EngineFactory.h"

#include "playback/MediaEngine.h"

std::unique_ptr<MediaEngine> createMediaEngine()
{
    return nullptr;
}
