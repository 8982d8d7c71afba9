// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Entries that no player can play, made at run time in a folder of their own:
// files with media names that are empty, cut short or noise, and names that
// are no regular file at all (a pipe, a folder, a link to an endless device, a
// loop of links, a dangling link).
struct BrokenEntry {
    QByteArray path; // the file system's bytes, absolute
    // What a playlist built from the command line holds for it: the path
    // itself, the files inside (a folder), or nothing (not a regular file).
    QList<QByteArray> listed;
};

class BrokenMedia {
public:
    explicit BrokenMedia(const QString& folder);

    // One entry of each kind, among them a name that is not UTF-8.
    std::vector<BrokenEntry> everyKind();
    // count entries, cycling through the kinds, every one failing to play.
    std::vector<BrokenEntry> failing(int count);

    // Names that look like URLs of each scheme (aimed at host:port), each a real
    // file of noise at that relative path under the folder: opened as a URL it
    // would reach the network, opened as a file it just fails.
    QStringList urlLookingNames(const QStringList& schemes, const QString& hostPort);

private:
    BrokenEntry make(int kind, const QByteArray& stem);

    QByteArray m_folder;
    int m_serial = 0;
};

// The protocols libmpv reads, as it lists them itself.
QStringList mpvProtocols();
