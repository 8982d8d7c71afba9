// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/DrawingArea.h"

#include "core/MediaEngine.h"
#include "engine/VideoSurface.h"

#include <QApplication>

QWidget* drawingAreaOf(MediaEngine& engine)
{
    for (QWidget* widget : QApplication::allWidgets()) {
        auto* surface = qobject_cast<VideoSurface*>(widget);
        if (surface && surface->picture() == engine.picture())
            return surface;
    }
    return nullptr;
}
