// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListView>

// The list of the playlist panel (lstPlay). It reports the entry the person
// selects: the view's cursor alone is no selection (focus puts it on the first
// entry without selecting it, after "&Charger" say), so only a cursor on a
// selected entry, or no cursor at all, counts.
class PlaylistView : public QListView {
    Q_OBJECT
public:
    explicit PlaylistView(QWidget* parent = nullptr);

Q_SIGNALS:
    // The selected row, -1 when the cursor has left every entry.
    void currentEntryChanged(int row);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};
