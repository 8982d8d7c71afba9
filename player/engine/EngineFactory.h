// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

class MediaEngine;

// The product's media engine, with its video drawing area.
std::unique_ptr<MediaEngine> createMediaEngine();
