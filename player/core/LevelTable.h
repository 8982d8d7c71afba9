// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>

// The 21 engine levels, in hundredths of a decibel, that the volume slider
// (index 0 to 10, quietest to full level) and the balance slider (index 0 to
// 20, full left to full right, 10 centred) stand for.
namespace LevelTable {

inline constexpr std::array<short, 21> kLevels = {
    -9640, -2000, -1390, -1040, -790, -600, -440, -300, -190, -90, 0,
    90,    190,   300,   440,   600,  790,  1040, 1390, 2000, 9640,
};

inline constexpr int kVolumeTop = 10;
inline constexpr int kBalanceTop = 20;
inline constexpr int kBalanceCentre = 10;

// The level at index, or nothing when the index lies outside the table.
std::optional<short> level(int index);

// The lowest index from 0 to lastIndex whose level equals the given level, or
// nothing when none does.
std::optional<int> indexOf(int levelValue, int lastIndex);

} // namespace LevelTable
