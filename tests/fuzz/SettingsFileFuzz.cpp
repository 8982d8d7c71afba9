// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The settings file as the player reads it and writes it back: any bytes at
// the file's place give the ten options (each its value or its default), and
// the file written from them reads back as the same options.
#include "FuzzCheck.h"

#include "desktop/SettingValue.h"
#include "desktop/SettingsFile.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

enum class Form { Boolean, Integer, Coordinate };

struct Key {
    const char* name;
    Form form;
    const char* fallback;
};

const Key kKeys[] = {
    { "top", Form::Coordinate, "0" },      { "left", Form::Coordinate, "0" },
    { "Vol", Form::Integer, "0" },         { "suff", Form::Integer, "0" },
    { "timemode", Form::Boolean, "True" }, { "mute", Form::Boolean, "False" },
    { "repeat", Form::Boolean, "False" },  { "play", Form::Integer, "1" },
    { "Ontop", Form::Boolean, "False" },   { "FitToSize", Form::Boolean, "False" },
};

// Each option as the player writes it, from the value the player reads.
QStringList options(const QString& path)
{
    SettingsFile file(path);
    QStringList written;
    for (const Key& key : kKeys) {
        const QString name = QStringLiteral("Options/") + QLatin1String(key.name);
        const QString fallback = QLatin1String(key.fallback);
        const QString text = file.store().contains(name) ? SettingValue::textOf(file.store().value(name)) : fallback;
        switch (key.form) {
        case Form::Boolean:
            written << SettingValue::fromBoolean(
                SettingValue::toBoolean(text).value_or(*SettingValue::toBoolean(fallback)));
            break;
        case Form::Integer:
            written << SettingValue::fromInteger(
                SettingValue::toInteger(text).value_or(*SettingValue::toInteger(fallback)));
            break;
        case Form::Coordinate:
            written << SettingValue::fromCoordinate(SettingValue::toCoordinate(text).value_or(0));
            break;
        }
    }
    return written;
}

} // namespace

namespace {

// Every input is synced to the disk: on a memory file system that costs
// nothing, so the work goes there when the machine has one.
QString workFolder()
{
    const bool memory = QFileInfo(QStringLiteral("/dev/shm")).isWritable();
    if (memory)
        qputenv("TMPDIR", "/dev/shm");
    return QDir::tempPath() + QStringLiteral("/velkor-fuzz-XXXXXX");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    static QTemporaryDir folder(workFolder());
    require(folder.isValid(), "a work folder");
    const QString path = folder.filePath(QStringLiteral("velkor-player.ini"));
    {
        QFile file(path);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "input written");
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const QStringList first = options(path);

    SettingsFile file(path);
    for (qsizetype i = 0; i < first.size(); ++i)
        file.store().setValue(QStringLiteral("Options/") + QLatin1String(kKeys[i].name), first.at(i));
    require(file.commit(), "the settings are written");
    require(options(path) == first, "the options read back as written");
    return 0;
}
