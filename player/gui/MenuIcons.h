// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>

#include <functional>

class QPainter;

// The small pictures beside the items of the shortcut menu, drawn in the same
// hand as the add menu's: the transport buttons' marks, an open folder for
// "Ouvrir" and a red disc with a cross for "Quitter". Also the canvas both
// menus draw on.
class MenuIcons {
public:
    static QIcon previous();
    static QIcon play();
    static QIcon pause();
    static QIcon stop();
    static QIcon next();
    static QIcon open();
    static QIcon quit();

    // The pictures themselves, square, side pixels wide, transparent around.
    static QImage drawPrevious(int side);
    static QImage drawPlay(int side);
    static QImage drawPause(int side);
    static QImage drawStop(int side);
    static QImage drawNext(int side);
    static QImage drawOpen(int side);
    static QImage drawQuit(int side);

    // The outline every menu picture is drawn with.
    static const QColor kOutline;

    // A transparent square, side pixels wide, whose coordinates run from 0 to
    // 16 whatever its size, so each picture is written once for every size.
    static QImage paint(int side, const std::function<void(QPainter&)>& draw);
    // The back of a folder with its tab, on the 16-unit canvas, in the pen
    // already set: the add menu's folder and "Ouvrir" both start from it.
    static void folderBack(QPainter& p);
    // An icon holding the picture at the sizes menus ask for.
    static QIcon iconOf(QImage (*draw)(int));
};
