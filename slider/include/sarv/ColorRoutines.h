// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <sarv/sarv_export.h>

#include <QtGlobal>

// Colour arithmetic of the slider face. A colour is a 32-bit value with red in
// the low byte: RGB(r, g, b) = r + 256*g + 65536*b. Channels are doubles so that
// blends keep their fractions until the final rounding, which sends halves to
// the even neighbour.
namespace sarv {

struct Channels {
    double r = 0;
    double g = 0;
    double b = 0;
};

// r + 256*g + 65536*b for channels already in 0..255.
SARV_EXPORT quint32 RGB(int r, int g, int b);

// Nearest integer, halves to even (the rounding every colour channel gets).
SARV_EXPORT double roundHalfEven(double value);

// Channels of a colour, clamped to 0..255 (values above 0xFFFFFF saturate blue).
SARV_EXPORT Channels SplitColor(qint64 colour);

// Brings each channel into 0..255.
SARV_EXPORT void ClampChannels(Channels& channels);

// Adds amount to each channel, clamps and rounds: a lighter or darker shade.
SARV_EXPORT quint32 ShiftColor(qint64 colour, double amount);

// Colour at position p of n steps from ca to cb, per channel. With n = 0 the
// division fails for every channel, which then counts as 0: the result is black.
SARV_EXPORT quint32 BlendColor(qint64 ca, qint64 cb, double n, double p);

} // namespace sarv
