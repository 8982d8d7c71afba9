// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <vector>

// The command line split before QApplication exists, so that Qt never takes a
// file for one of its options. Qt gets only its own options (-platform,
// -style, -display...) with their values, and only before "--"; an argument
// that names an existing file is always a file, and every argument after "--"
// is one. Everything else is the program's, for CommandLine.
class ProgramArguments {
public:
    ProgramArguments(int argc, char** argv);

    // For QApplication: the program name and Qt's options, null-terminated.
    // Both stay valid as long as this object.
    int& qtCount() { return m_qtCount; }
    char** qtArguments() { return m_qt.data(); }

    // For CommandLine::parse: the program name, the program's options, then
    // "--" and the files in the order given.
    const QStringList& own() const { return m_own; }

    bool platformNamed() const { return m_platformNamed; }

    // The player places its windows, keeps one above the others and shapes
    // them, which Wayland does not let a client do: in a Wayland session it is
    // an X11 client (through Xwayland) unless the user named a platform, with
    // Wayland itself as the fallback when there is no X server at all.
    void choosePlatform() const;

private:
    std::vector<char*> m_qt;
    int m_qtCount = 0;
    QStringList m_own;
    bool m_platformNamed = false;
};
