// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/FolderScan.h"

#include "core/FileNameCodec.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// An empty folder is the current folder.
QString searchPath(const QString& folder)
{
    return folder.isEmpty() ? QStringLiteral(".") : folder;
}

enum class Kind { Files, Folders };

// The visible entries of one kind, read with the system's own calls: Qt's
// listing skips names whose bytes are not UTF-8, and FileNameCodec keeps them.
// A leading dot hides a name; a symbolic link counts as what it points to, so
// broken links, devices, pipes and sockets are neither files nor folders.
QStringList entriesOf(const QString& folder, Kind kind)
{
    QStringList names;
    DIR* dir = ::opendir(FileNameCodec::encode(searchPath(folder)).constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        struct ::stat st;
        if (::fstatat(::dirfd(dir), entry->d_name, &st, 0) != 0)
            continue;
        if (kind == Kind::Files ? S_ISREG(st.st_mode) : S_ISDIR(st.st_mode))
            names.append(FileNameCodec::decode(entry->d_name));
    }
    ::closedir(dir);
    return names;
}

// Greedy wildcard matching ("*" any run, "?" one character) with one backtrack
// point, the last "*" seen and where the name stood then; exact comparison of
// characters, so both sides come folded to one case.
bool wildcardMatch(QStringView pattern, QStringView name)
{
    qsizetype p = 0, n = 0, star = -1, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

} // namespace

QStringList FolderScan::fileNames(const QString& folder)
{
    return entriesOf(folder, Kind::Files);
}

QString FolderScan::subFolder(const QString& folder, const QString& name)
{
    QStringList folders = entriesOf(folder, Kind::Folders);
    sortNames(folders);
    for (const QString& candidate : std::as_const(folders)) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    return QString();
}

QStringList FolderScan::scan(const QString& folder, const QStringList& patterns)
{
    // The folder is read once for all patterns: a big folder costs one listing,
    // and a folder that vanishes half-way cannot give half a result. The names
    // are put in order and folded to one case once; each pattern then picks its
    // names in that order.
    QStringList names = fileNames(folder);
    sortNames(names);
    QStringList folded;
    folded.reserve(names.size());
    for (const QString& name : std::as_const(names))
        folded.append(name.toCaseFolded());
    QStringList entries;
    for (const QString& pattern : patterns) {
        const QString foldedPattern = pattern.toCaseFolded();
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (wildcardMatch(foldedPattern, folded.at(i)))
                entries.append(join(folder, names.at(i)));
        }
    }
    return entries;
}

bool FolderScan::matches(QStringView pattern, QStringView name)
{
    return wildcardMatch(pattern.toString().toCaseFolded(), name.toString().toCaseFolded());
}

QString FolderScan::join(const QString& folder, const QString& name)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

void FolderScan::sortNames(QStringList& names)
{
    // Each name is folded once, not at every comparison.
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(names.size());
    for (QString& name : names)
        keyed.emplace_back(name.toCaseFolded(), std::move(name));
    std::sort(keyed.begin(), keyed.end());
    for (qsizetype i = 0; i < names.size(); ++i)
        names[i] = std::move(keyed[i].second);
}
