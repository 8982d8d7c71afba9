#include "core/FolderScan.h"

#include <QDir>
#include <QDirIterator>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// An empty folder is the current folder; QDir reads "" that way too, but say it.
QString searchPath(const QString& folder)
{
    return folder.isEmpty() ? QStringLiteral(".") : folder;
}

QStringList entriesOf(const QString& folder, QDir::Filters filters)
{
    QStringList names;
    // Without QDir::Hidden, names that start with a dot are left out; without
    // QDir::System, devices, pipes, sockets and broken links are. Names whose
    // bytes are not UTF-8 are skipped by Qt: no entry could name them.
    QDirIterator it(searchPath(folder), filters);
    while (it.hasNext()) {
        it.next();
        names.append(it.fileName());
    }
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
    return entriesOf(folder, QDir::Files);
}

QString FolderScan::subFolder(const QString& folder, const QString& name)
{
    QStringList folders = entriesOf(folder, QDir::Dirs | QDir::NoDotAndDotDot);
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
