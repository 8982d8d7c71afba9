// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QImage>

// The small pictures beside the items of the add menu, drawn here so that they
// scale cleanly: a sheet of paper with a note, a folder, a disc.
class AddMenuIcons {
public:
    static QIcon file();
    static QIcon folder();
    static QIcon disc();

    // The pictures themselves, square, side pixels wide, transparent around.
    static QImage drawFile(int side);
    static QImage drawFolder(int side);
    static QImage drawDisc(int side);
};
