// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QStringList>

// Where the General MIDI SoundFont is. The environment variable
// VELKOR_SOUNDFONT, when set, names the only file tried (tests use it to play
// without any SoundFont); otherwise Debian's default-GM link, then the first
// .sf2 or .sf3 file of the standard SoundFont folders.
class SoundFontPath {
public:
    static constexpr const char* kOverride = "VELKOR_SOUNDFONT";

    // The file system name of the SoundFont, or empty when there is none.
    static QByteArray find();
    // The folders searched, in order (for the message that says none was found).
    static QStringList folders();
};
