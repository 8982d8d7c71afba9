// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

// File permissions do not bind root, and CI runs the tests as root. A test of
// what happens when a folder is read-only runs its work through this: as root,
// in a child process that has dropped to the user and group nobody (65534);
// otherwise right here. True when the work ran and returned true.
bool runUnprivileged(const std::function<bool()>& work);
