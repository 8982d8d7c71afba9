// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QImage>

// The two pictures of the shuffle check box, drawn at the given size in pixels:
// off shows two parallel arrows, on shows two arrows that cross.
QImage drawShufflePicture(bool on, int size);

// The shuffle box's icon at 16 pixels, lit while shuffling.
const QIcon& shuffleIcon(bool on);
