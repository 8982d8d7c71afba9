// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/PlaylistModel.h"

#include "core/FileNameCodec.h"
#include "core/PlaylistFile.h"

#include <algorithm>

PlaylistModel::PlaylistModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

int PlaylistModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

QVariant PlaylistModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= Count())
        return {};
    // The list shows names that are not UTF-8 in a readable form; the entry
    // itself keeps the name's bytes.
    if (role == Qt::DisplayRole)
        return FileNameCodec::readable(m_entries.at(index.row()));
    if (role == Qt::EditRole)
        return m_entries.at(index.row());
    return {};
}

void PlaylistModel::Append(const QString& entry)
{
    AppendMany({ entry });
}

void PlaylistModel::AppendMany(const QStringList& given)
{
    // A name that a playlist file cannot hold (a line break ends an entry
    // there) would come back from lastlist.lst as other entries: it is left
    // out, like any other name that cannot be played.
    QStringList entries = given;
    entries.removeIf([](const QString& entry) { return !PlaylistFile::isWritable(entry); });
    const int row = Count();
    const int count = std::min<int>(int(entries.size()), PlaylistFile::kMaxEntries - row);
    if (count <= 0)
        return;
    // One insertion for the whole batch: a view redraws once, not per entry.
    beginInsertRows(QModelIndex(), row, row + count - 1);
    m_entries.append(count == entries.size() ? entries : entries.first(count));
    endInsertRows();
}

QString PlaylistModel::Entry(int index) const
{
    return index >= 0 && index < Count() ? m_entries.at(index) : QString();
}

void PlaylistModel::Clear()
{
    // The selection goes first, so that no neighbour becomes current on the way.
    setListIndex(-1);
    beginResetModel();
    m_entries.clear();
    endResetModel();
}

void PlaylistModel::Remove(int index)
{
    if (index < 0 || index >= Count())
        return;
    setListIndex(-1);
    beginRemoveRows(QModelIndex(), index, index);
    m_entries.removeAt(index);
    endRemoveRows();
}

void PlaylistModel::setListIndex(int index)
{
    if (index < 0 || index >= Count())
        index = -1;
    if (index == m_listIndex)
        return;
    m_listIndex = index;
    Q_EMIT selectionChanged(index);
}
