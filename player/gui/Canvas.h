// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// A transparent image of size logical pixels at the given device pixel ratio:
// the surface every skinned widget draws its retained picture on.
QImage transparentCanvas(QSize size, qreal devicePixelRatio);
