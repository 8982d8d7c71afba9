// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/ProgramArguments.h"

#include "core/FileNameCodec.h"

#include <QByteArray>
#include <QSet>

#include <cstring>
#include <sys/stat.h>

namespace {

// Qt's own command-line options (QGuiApplication, QApplication, X11), by name
// without their leading dash; a name given with "=" carries its value.
const QSet<QByteArray>& optionsWithValue()
{
    static const QSet<QByteArray> names {
        "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
        "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display",
        "geometry", "title", "name", "visual", "qmljsdebugger",
    };
    return names;
}

const QSet<QByteArray>& flags()
{
    static const QSet<QByteArray> names { "reverse", "nograb", "dograb", "sync", "widgetcount" };
    return names;
}

bool isExistingFile(const char* argument)
{
    struct stat st { };
    return ::stat(argument, &st) == 0;
}

// The option's name: "-style=x" and "--style" are both "style".
QByteArray optionName(const char* argument)
{
    QByteArray name(argument + 1);
    if (name.startsWith('-'))
        name.remove(0, 1);
    if (const qsizetype equals = name.indexOf('='); equals >= 0)
        name.truncate(equals);
    return name;
}

} // namespace

ProgramArguments::ProgramArguments(int argc, char** argv)
{
    if (argc > 0) {
        m_qt.push_back(argv[0]);
        m_own << FileNameCodec::decode(argv[0]);
    }
    QStringList files;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (optionsEnded || argument[0] != '-' || argument[1] == '\0' || isExistingFile(argument)) {
            files << FileNameCodec::decode(argument);
            continue;
        }
        if (std::strcmp(argument, "--") == 0) {
            optionsEnded = true;
            continue;
        }
        const QByteArray name = optionName(argument);
        const bool withValue = optionsWithValue().contains(name);
        if (!withValue && !flags().contains(name)) {
            m_own << FileNameCodec::decode(argument);
            continue;
        }
        m_platformNamed = m_platformNamed || name == "platform";
        m_qt.push_back(argv[i]);
        if (withValue && !std::strchr(argument, '=') && i + 1 < argc)
            m_qt.push_back(argv[++i]);
    }
    m_own << QStringLiteral("--") << files;
    m_qtCount = int(m_qt.size());
    m_qt.push_back(nullptr);
}

void ProgramArguments::choosePlatform() const
{
    if (m_platformNamed || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
    if (wayland)
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}
