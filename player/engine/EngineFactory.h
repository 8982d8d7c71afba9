#pragma once

#include <memory>

class MediaEngine;

// The product's media engine, with its video drawing area.
std::unique_ptr<MediaEngine> createMediaEngine();
