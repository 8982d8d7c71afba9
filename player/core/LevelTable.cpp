// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/LevelTable.h"

namespace LevelTable {

std::optional<short> level(int index)
{
    if (index < 0 || index >= int(kLevels.size()))
        return std::nullopt;
    return kLevels[std::size_t(index)];
}

std::optional<int> indexOf(int levelValue, int lastIndex)
{
    for (int i = 0; i <= lastIndex && i < int(kLevels.size()); ++i) {
        if (kLevels[std::size_t(i)] == levelValue)
            return i;
    }
    return std::nullopt;
}

} // namespace LevelTable
