// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What Qt is given of the command line and what stays the program's: Qt's
// options only before "--" and only when no file has that name; the platform
// chosen in a Wayland session.
#include "desktop/CommandLine.h"
#include "desktop/ProgramArguments.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Split {
    const char* name;
    std::vector<const char*> arguments; // after the program name
    QStringList qt; // after the program name
    QStringList files; // relative to the working folder
    bool platformNamed;
};

void PrintTo(const Split& c, std::ostream* os)
{
    *os << c.name;
}

class ProgramArgumentsSplit : public ::testing::TestWithParam<Split> { };

TEST_P(ProgramArgumentsSplit, Table)
{
    const Split& c = GetParam();
    QTemporaryDir folder;
    // A file that happens to be named like one of Qt's options.
    QFile existing(folder.filePath(QStringLiteral("-reverse")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));

    std::vector<char*> argv { const_cast<char*>("velkor-player") };
    for (const char* argument : c.arguments)
        argv.push_back(const_cast<char*>(argument));
    ProgramArguments split(int(argv.size()), argv.data());
    QDir::setCurrent(before);

    QStringList qt;
    for (int i = 1; i < split.qtCount(); ++i)
        qt << QString::fromLocal8Bit(split.qtArguments()[i]);
    EXPECT_EQ(qt, c.qt);
    EXPECT_EQ(split.qtArguments()[split.qtCount()], nullptr);
    QStringList files;
    for (const QString& path : CommandLine::parse(split.own(), folder.path()).paths)
        files << QDir(folder.path()).relativeFilePath(path);
    EXPECT_EQ(files, c.files);
    EXPECT_EQ(split.platformNamed(), c.platformNamed);
}

using L = QStringList;
INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramArgumentsSplit,
    ::testing::Values(
        Split { "files_after_dashes", { "--", "-platform", "x" }, {}, L { "-platform", "x" }, false },
        Split { "style_after_dashes", { "--", "-style", "x" }, {}, L { "-style", "x" }, false },
        Split { "qt_options_before_dashes", { "-platform", "xcb", "-style=fusion", "a.wav" },
                L { "-platform", "xcb", "-style=fusion" }, L { "a.wav" }, true },
        Split { "existing_file_is_never_an_option", { "-reverse", "b.wav" }, {}, L { "-reverse", "b.wav" },
                false },
        Split { "double_dash_qt_option", { "--display", ":1", "c.wav" }, L { "--display", ":1" },
                L { "c.wav" }, false },
        Split { "own_options_stay", { "--bogus", "d.wav" }, {}, L { "d.wav" }, false }),
    [](const auto& info) { return std::string(info.param.name); });

struct Session {
    const char* name;
    const char* waylandDisplay;
    const char* sessionType;
    const char* platformVariable;
    bool platformOption;
    const char* expected; // QT_QPA_PLATFORM afterwards; nullptr: unset
};

class PlatformChoice : public ::testing::TestWithParam<Session> { };

void setOrUnset(const char* name, const char* value)
{
    if (value)
        qputenv(name, value);
    else
        qunsetenv(name);
}

TEST_P(PlatformChoice, Table)
{
    const Session& c = GetParam();
    const char* names[] = { "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM" };
    QList<QByteArray> saved;
    QList<bool> had;
    for (const char* name : names) {
        had << qEnvironmentVariableIsSet(name);
        saved << qgetenv(name);
    }
    setOrUnset("WAYLAND_DISPLAY", c.waylandDisplay);
    setOrUnset("XDG_SESSION_TYPE", c.sessionType);
    setOrUnset("QT_QPA_PLATFORM", c.platformVariable);
    std::vector<char*> argv { const_cast<char*>("velkor-player") };
    if (c.platformOption) {
        argv.push_back(const_cast<char*>("-platform"));
        argv.push_back(const_cast<char*>("offscreen"));
    }
    ProgramArguments(int(argv.size()), argv.data()).choosePlatform();
    const bool isSet = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    const QByteArray now = qgetenv("QT_QPA_PLATFORM");
    for (int i = 0; i < 3; ++i)
        setOrUnset(names[i], had[i] ? saved[i].constData() : nullptr);

    EXPECT_EQ(isSet, c.expected != nullptr);
    if (c.expected)
        EXPECT_EQ(now, QByteArray(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlatformChoice,
    ::testing::Values(Session { "wayland_display", "wayland-0", nullptr, nullptr, false, "xcb;wayland" },
                      Session { "wayland_session", nullptr, "wayland", nullptr, false, "xcb;wayland" },
                      Session { "x11_session", nullptr, "x11", nullptr, false, nullptr },
                      Session { "user_variable", "wayland-0", "wayland", "wayland", false, "wayland" },
                      Session { "user_option", "wayland-0", "wayland", nullptr, true, nullptr }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
