// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MediaKind.h"

#include <QStringList>

namespace MediaKind {

namespace {

    const QStringList& endings(List list)
    {
        static const QStringList audioAtCreation
            = { QStringLiteral("MP3"), QStringLiteral("WAV"), QStringLiteral("MID"),
                  QStringLiteral("RMI"), QStringLiteral("WMA"), QStringLiteral("OGG") };
        static const QStringList audioAtStart = { QStringLiteral("MP3"), QStringLiteral("WAV"),
            QStringLiteral("MID"), QStringLiteral("RMI") };
        static const QStringList notShown = { QStringLiteral("MP3") };
        static const QStringList video
            = { QStringLiteral("AVI"), QStringLiteral("ASF"), QStringLiteral("DAT"),
                  QStringLiteral("MPG"), QStringLiteral("MPEG"), QStringLiteral("VOB") };
        switch (list) {
        case List::AudioAtCreation:
            return audioAtCreation;
        case List::AudioAtStart:
            return audioAtStart;
        case List::NotShown:
            return notShown;
        case List::Video:
            break;
        }
        return video;
    }

} // namespace

bool endsIn(const QString& fileName, List list)
{
    for (const QString& ending : endings(list)) {
        // Each ending is compared on as many characters as it has: three, or
        // four for "MPEG".
        if (fileName.size() >= ending.size() && fileName.right(ending.size()).toUpper() == ending)
            return true;
    }
    return false;
}

} // namespace MediaKind
