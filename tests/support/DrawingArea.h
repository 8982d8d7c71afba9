// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class MediaEngine;
class QWidget;

// The video window's surface that shows the engine's picture, if one exists.
QWidget* drawingAreaOf(MediaEngine& engine);
