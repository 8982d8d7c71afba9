// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/cDlgcom.h"

#include "core/FileNameCodec.h"

#include <algorithm>

namespace {

// Option bits that reach the dialog; the hook, template and higher bits are
// dropped.
constexpr qint32 kFlagMask = 0x1FF1F;

bool tooLong(const QString& path)
{
    return FileNameCodec::encode(path).size() > cDlgcom::kMaxPathBytes;
}

} // namespace

QList<Prompts::FileFilter> cDlgcom::filtersFromText(const QString& filter)
{
    QList<Prompts::FileFilter> filters;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts.at(i).isEmpty() || parts.at(i + 1).isEmpty())
            break;
        Prompts::FileFilter f;
        f.description = parts.at(i);
        for (const QString& pattern : parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts))
            f.patterns << pattern.trimmed();
        filters << f;
    }
    return filters;
}

cDlgcom::cDlgcom(Prompts& prompts)
    : m_prompts(&prompts)
{
}

Prompts& cDlgcom::prompts() const
{
    return m_prompts ? *m_prompts : Prompts::current();
}

bool cDlgcom::ShowOpen()
{
    return ShowFileDialog(true);
}

bool cDlgcom::ShowSave()
{
    return ShowFileDialog(false);
}

bool cDlgcom::ShowFileDialog(bool openMode)
{
    m_error = Error::None;
    if (m_filter.isEmpty())
        m_filter = QStringLiteral("Tous(*.*)|*.*");
    if (m_filterIndex == 0)
        m_filterIndex = 1;
    // A name the system could not take is refused before any dialog shows.
    if (tooLong(m_fileName) || tooLong(m_fileTitle)) {
        m_error = Error::NameTooLong;
        return false;
    }

    Prompts::FileRequest request;
    request.save = !openMode;
    request.owner = m_owner;
    request.title = m_dialogTitle;
    request.initialDir = m_initDir;
    request.fileName = m_fileName;
    request.defaultSuffix = m_defaultEx;
    request.filters = filtersFromText(m_filter);
    request.filterIndex
        = std::clamp<int>(m_filterIndex - 1, 0, std::max<int>(0, int(request.filters.size()) - 1));
    const qint32 flags = m_flags & kFlagMask;

    const std::optional<Prompts::FileResult> result = prompts().fileDialog(request);
    if (!result || result->path.isEmpty()) {
        m_fileName.clear();
        m_fileTitle.clear();
        m_flags = 0;
        return false;
    }
    m_fileName = result->path;
    const qsizetype slash = m_fileName.lastIndexOf(QLatin1Char('/'));
    m_fileTitle = m_fileName.mid(slash + 1);
    if (slash >= 0)
        m_folder = m_fileName.left(slash);
    m_flags = flags;
    return true;
}

bool cDlgcom::ShowOpenFolder()
{
    m_error = Error::None;
    const std::optional<QString> folder
        = prompts().folderDialog(m_owner, m_dialogTitle, QString());
    if (!folder)
        return false;
    m_folder = *folder;
    return true;
}
