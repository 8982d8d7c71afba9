// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/PlaylistView.h"

#include <QItemSelectionModel>

PlaylistView::PlaylistView(QWidget* parent)
    : QListView(parent)
{
}

void PlaylistView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QListView::currentChanged(current, previous);
    if (!current.isValid() || selectionModel()->isSelected(current))
        Q_EMIT currentEntryChanged(current.row());
}
