// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A file whose name is Latin-1 bytes, given on the command line (as a path or
// a file:// URI) or dropped, becomes an entry with the same bytes and is kept
// as a file that exists.
#include "core/FileNameCodec.h"
#include "desktop/CommandLine.h"
#include "desktop/DesktopIntegration.h"
#include "desktop/DropHandler.h"

#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct Route {
    const char* name;
    std::function<QStringList(const QByteArray& folder, const QByteArray& file)> paths;
};

void PrintTo(const Route& r, std::ostream* os)
{
    *os << r.name;
}

QStringList fromArgv(std::vector<QByteArray> words)
{
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    return CommandLine::parse(CommandLine::arguments(int(argv.size()), argv.data()), QStringLiteral("/")).paths;
}

const Route kRoutes[] = {
    {"argument_path", [](const QByteArray& folder, const QByteArray& file) {
         return fromArgv({"velkor-player", folder + "/" + file});
     }},
    {"argument_relative", [](const QByteArray& folder, const QByteArray& file) {
         // Relative to the working folder "/" given to the parser.
         return fromArgv({"velkor-player", folder.mid(1) + "/" + file});
     }},
    {"argument_uri", [](const QByteArray& folder, const QByteArray& file) {
         return fromArgv({"velkor-player", "file://" + (folder + "/" + file).toPercentEncoding("/")});
     }},
    {"drop", [](const QByteArray& folder, const QByteArray& file) {
         QMimeData data;
         data.setData(QStringLiteral("text/uri-list"),
                      "file://" + (folder + "/" + file).toPercentEncoding("/") + "\r\n");
         return DropHandler::localPaths(&data);
     }},
};

class ByteNameRoute : public ::testing::TestWithParam<Route> {};

TEST_P(ByteNameRoute, GivesTheSameBytesAndTheFileIsFound)
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    const QByteArray file = "caf\xe9.wav";
    const int fd = ::open((folder + "/" + file).constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);

    const QStringList paths = GetParam().paths(folder, file);
    ASSERT_EQ(paths.size(), 1);
    EXPECT_EQ(FileNameCodec::encode(paths.first()), folder + "/" + file);
    QStringList skipped;
    const QStringList entries = DesktopIntegration::mediaEntries(paths, &skipped);
    EXPECT_EQ(entries, paths);
    EXPECT_TRUE(skipped.isEmpty());
    // The folder itself gives the file too.
    EXPECT_EQ(DesktopIntegration::mediaEntries({FileNameCodec::decode(folder)}), paths);
}

INSTANTIATE_TEST_SUITE_P(Routes, ByteNameRoute, ::testing::ValuesIn(kRoutes));

} // namespace
