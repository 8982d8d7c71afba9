#include "playlist/FolderScan.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>

#include <algorithm>

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
    // QDir::System, devices, pipes, sockets and broken links are.
    QDirIterator it(searchPath(folder), filters);
    while (it.hasNext()) {
        it.next();
        names.append(it.fileName());
    }
    return names;
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
    QStringList names = fileNames(folder);
    if (names.isEmpty())
        return {};
    sortNames(names);
    QStringList entries;
    for (const QString& pattern : patterns) {
        const QRegularExpression wildcard
            = QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive);
        for (const QString& name : std::as_const(names)) {
            if (wildcard.match(name).hasMatch())
                entries.append(join(folder, name));
        }
    }
    return entries;
}

QString FolderScan::join(const QString& folder, const QString& name)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

void FolderScan::sortNames(QStringList& names)
{
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
}
