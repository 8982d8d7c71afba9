// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// Runs work in a child process that has a file system of `kib` KiB (tmpfs)
// mounted at `folder`, in a mount namespace of its own so that nothing of the
// machine's mounts changes: as root directly, otherwise inside a user
// namespace. True when the work ran and returned true; a mount that could not
// be made is reported on standard error and counts as a failure.
bool runOnSmallDisk(const QString& folder, int kib, const std::function<bool()>& work);

// Fills the file system that holds `folder` with a filler file until the
// disk refuses more, then frees `leaveBytes` of it; false when it never filled.
bool fillDisk(const QString& folder, qint64 leaveBytes);
