// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The folder scan behind "add a folder" and the video CD: the regular, visible
// files of one folder that match wildcard patterns, without regard to case.
// Sub-folders are never entered. A folder that cannot be read yields nothing.
class FolderScan {
public:
    // The entries (folder + name) for each pattern in turn; the names of one
    // pattern come in name order, so the result is the same on every file system.
    // A name matching two patterns is listed under both.
    static QStringList scan(const QString& folder, const QStringList& patterns);

    // The names of the regular files of folder, hidden (dot) files left out;
    // a symbolic link to a regular file counts as a file. In no given order.
    static QStringList fileNames(const QString& folder);

    // The name of folder's first sub-folder (in name order) whose name equals
    // name without regard to case; "" when there is none.
    static QString subFolder(const QString& folder, const QString& name);

    // folder + "/" + name, without doubling a "/" that ends folder; an empty
    // folder gives the bare name, a path relative to the current folder.
    static QString join(const QString& folder, const QString& name);

    // Whether name matches a wildcard pattern ("*" any run of characters, "?"
    // one character), without regard to case.
    static bool matches(QStringView pattern, QStringView name);

    // Name order: case-insensitive, ties broken by the exact spelling so that
    // the order never depends on the file system or the locale.
    static void sortNames(QStringList& names);
};
