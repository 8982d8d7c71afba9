// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The program's command line: `velkor-player [OPTION]... [FILE]...`.
// Files are paths or file:// URIs (as file managers pass them with %U);
// --help and --version print French text and end the program.
class CommandLine {
public:
    enum class Action { Run, Help, Version };

    // Parses the arguments after the program name has been dropped by the
    // caller or not: the first element of `arguments` is taken as the program
    // name. Relative paths are made absolute against `workingFolder`.
    static CommandLine parse(const QStringList& arguments, const QString& workingFolder);

    // For main(), before any window exists: answers --help and --version on
    // standard output and returns the exit code; nullopt lets the program run.
    static std::optional<int> answerInfoRequest(const QStringList& arguments);

    // argv as text through FileNameCodec, so that a file name that is not
    // UTF-8 keeps its bytes (QCoreApplication::arguments() would replace them).
    static QStringList arguments(int argc, char** argv);

    static QString helpText();
    static QString versionText();

    Action action = Action::Run;
    // Absolute local paths, in the order given.
    QStringList paths;
    // French warnings for arguments that were skipped (unknown options, URIs
    // that are not local files), one line each.
    QStringList warnings;
};
