// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <sarv/sarv_export.h>

#include <optional>

namespace sarv {

// What a press or a move with the left button does to the value of a slider
// whose largest pixel column is W, for the pointer at column X. Returns the
// value to store (then redraw and raise Change), or nothing when the value
// stays. The last 8 columns are an end zone that always gives max, even when
// the value is max already; elsewhere the pointer maps onto a track of W - 20
// pixels from column 2, rounding halves to even. A mapping that cannot be
// computed (max == min, W == 20, a position far out of the 16-bit range)
// counts as the start of the track.
SARV_EXPORT std::optional<short> mapPointer(double W, double X, int min, int max, int value);

} // namespace sarv
