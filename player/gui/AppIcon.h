// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The player's icon on every window and in the task bar: the installed icon
// theme's "velkor-player", or the same drawing built into the program where
// the theme does not have it.
namespace AppIcon {

QIcon icon();
QIcon builtIn();

} // namespace AppIcon
