// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/SoundFontPath.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool isReadableFile(const QByteArray& path)
{
    const QFileInfo info(QFile::decodeName(path));
    return info.isFile() && info.isReadable() && info.size() > 0;
}

} // namespace

QStringList SoundFontPath::folders()
{
    return {QStringLiteral("/usr/share/sounds/sf2"), QStringLiteral("/usr/share/sounds/sf3"),
            QStringLiteral("/usr/share/soundfonts"), QStringLiteral("/usr/local/share/soundfonts")};
}

QByteArray SoundFontPath::find()
{
    if (qEnvironmentVariableIsSet(kOverride)) {
        const QByteArray path = qgetenv(kOverride);
        return isReadableFile(path) ? path : QByteArray();
    }
    for (const char* preferred : {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf3/default-GM.sf3",
                                  "/usr/share/soundfonts/default.sf2"}) {
        if (isReadableFile(preferred))
            return preferred;
    }
    for (const QString& folder : folders()) {
        const QStringList names = QDir(folder).entryList({QStringLiteral("*.sf2"), QStringLiteral("*.sf3")},
                                                         QDir::Files | QDir::Readable, QDir::Name);
        for (const QString& name : names) {
            const QByteArray path = QFile::encodeName(QDir(folder).filePath(name));
            if (isReadableFile(path))
                return path;
        }
    }
    return QByteArray();
}
