// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class PlayerCore;

// Adding media to the playlist: a file, a folder, the tracks of a video CD,
// and playing the video CD at once (the add menu's and the shortcut menu's
// items).
class MediaAdder : public QObject {
    Q_OBJECT
public:
    explicit MediaAdder(PlayerCore& core);

    void mnuFile_Click();
    void mnuAddDir_Click();
    void mnuAddVCD_Click();
    void mnuAutoVCD_Click();

    // The mount point, with a trailing "/", of the first mounted optical disc
    // listed in the mount table; "" when there is none or the table cannot be read.
    static QString FindCdDrive(const QString& mountTable = QStringLiteral("/proc/self/mounts"));

    // The video CD tracks under drive (a mount point ending in "/", or "" to
    // search from the current folder): the files avseq*.* of the folder mpegav,
    // both matched without regard to case, spelt as the file system spells them.
    static QStringList VcdTracks(const QString& drive);

private:
    PlayerCore& m_core;
};
