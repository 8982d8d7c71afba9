// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line: paths and file:// URIs become absolute local paths in the
// order given; --help and --version win over files; other options and remote
// URIs are skipped with a French warning.
#include "desktop/CommandLine.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    QStringList arguments; // after the program name
    CommandLine::Action action;
    QStringList paths;
    int warnings;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

const QString kCwd = QStringLiteral("/home/ana/Musique");

class CommandLineParse : public ::testing::TestWithParam<Case> { };

TEST_P(CommandLineParse, Table)
{
    const Case& c = GetParam();
    const CommandLine parsed
        = CommandLine::parse(QStringList { QStringLiteral("velkor-player") } + c.arguments, kCwd);
    EXPECT_EQ(int(parsed.action), int(c.action));
    EXPECT_EQ(parsed.paths, c.paths);
    EXPECT_EQ(parsed.warnings.size(), c.warnings) << parsed.warnings.join(u'\n').toStdString();
}

using A = CommandLine::Action;
const Case kCases[] = {
    { "nothing", {}, A::Run, {}, 0 },
    { "absolute_paths_in_order",
      { "/m/b.mp3", "/m/a.avi" }, A::Run, { "/m/b.mp3", "/m/a.avi" }, 0 },
    { "relative_path", { "song.mp3" }, A::Run, { "/home/ana/Musique/song.mp3" }, 0 },
    { "dot_dot_cleaned", { "../Vidéos/clip.avi" }, A::Run, { "/home/ana/Vidéos/clip.avi" }, 0 },
    { "file_uri_decoded",
      { "file:///home/ana/Mes%20chansons/%C3%A9t%C3%A9.mp3" }, A::Run,
      { "/home/ana/Mes chansons/été.mp3" }, 0 },
    { "file_uri_with_localhost", { "file://localhost/m/a.wav" }, A::Run, { "/m/a.wav" }, 0 },
    { "mixed_uri_and_path", { "file:///m/a.mp3", "b.mp3" }, A::Run,
      { "/m/a.mp3", "/home/ana/Musique/b.mp3" }, 0 },
    { "colon_in_a_plain_name", { "Partie 1: début.mp3" }, A::Run,
      { "/home/ana/Musique/Partie 1: début.mp3" }, 0 },
    { "remote_uri_skipped", { "http://example.org/a.mp3", "/m/a.mp3" }, A::Run,
      { "/m/a.mp3" }, 1 },
    { "remote_file_uri_skipped", { "file://serveur/m/a.mp3" }, A::Run, {}, 1 },
    { "name_starting_with_a_colon", { ":face B.mp3" }, A::Run,
      { "/home/ana/Musique/:face B.mp3" }, 0 },
    { "relative_file_uri_skipped", { "file:a.mp3", "file:../m/b.mp3" }, A::Run, {}, 2 },
    { "help", { "--help" }, A::Help, {}, 0 },
    { "short_help_after_files", { "/m/a.mp3", "-h" }, A::Help, {}, 0 },
    { "version", { "--version", "/m/a.mp3" }, A::Version, {}, 0 },
    { "unknown_option_skipped", { "--plein-ecran", "/m/a.mp3" }, A::Run, { "/m/a.mp3" }, 1 },
    { "double_dash_ends_options", { "--", "--help", "-x.mp3" }, A::Run,
      { "/home/ana/Musique/--help", "/home/ana/Musique/-x.mp3" }, 0 },
    { "lone_dash_is_a_name", { "-" }, A::Run, { "/home/ana/Musique/-" }, 0 },
    { "empty_argument_ignored", { "", "/m/a.mp3" }, A::Run, { "/m/a.mp3" }, 0 },
};

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineParse, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineText, HelpAndVersionAreFrench)
{
    EXPECT_TRUE(CommandLine::helpText().startsWith(QStringLiteral("Utilisation : velkor-player")));
    EXPECT_TRUE(CommandLine::helpText().contains(QStringLiteral("affiche cette aide et quitte")));
    EXPECT_TRUE(CommandLine::versionText().contains(QStringLiteral("version 2.0")));
}

} // namespace
