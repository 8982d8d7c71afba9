// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/EngineFactory.h"

#include "engine/MpvEngine.h"

std::unique_ptr<MediaEngine> createMediaEngine()
{
    return std::make_unique<MpvEngine>(MpvEngine::VideoOutput::Surface);
}
