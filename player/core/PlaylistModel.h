// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QStringList>

// The playlist: the ordered entries (file paths, or "-" for a break), the
// selection ListIndex (-1 for none) and CurrentTrack, the entry that plays.
// A list view shows it and mirrors its selection; the model holds the truth,
// so the player's rules work without any view.
class PlaylistModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The entry that asks the person to change the disc.
    static bool isBreak(const QString& entry) { return entry == QLatin1String("-"); }

    explicit PlaylistModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void Append(const QString& entry);
    // Entries past the 32,767th are left out: indices are 16-bit. So are
    // names that no playlist file can hold (PlaylistFile::isWritable).
    void AppendMany(const QStringList& entries);
    int Count() const { return int(m_entries.size()); }
    QString Entry(int index) const;
    const QStringList& Entries() const { return m_entries; }
    void Clear();
    void Remove(int index);

    // The selected index, -1 when nothing is selected. Setting the index it
    // already has does nothing; any other change raises selectionChanged. An
    // index outside the list clears the selection.
    int ListIndex() const { return m_listIndex; }
    void setListIndex(int index);

    short CurrentTrack() const { return m_currentTrack; }
    void setCurrentTrack(short track) { m_currentTrack = track; }

Q_SIGNALS:
    void selectionChanged(int index);

private:
    QStringList m_entries;
    int m_listIndex = -1;
    short m_currentTrack = 0;
};
