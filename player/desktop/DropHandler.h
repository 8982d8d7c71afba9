// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QStringList>

class PlayerCore;
class QMimeData;
class QWidget;

// Files and folders dropped on the main window or the playlist are appended to
// the playlist as "Ajouter un fichier" and "Ajouter un répertoir" add them. It
// watches the window and the list as an event filter, so neither needs to know.
class DropHandler : public QObject {
    Q_OBJECT
public:
    // Drops are taken on window and on the other targets (a list's viewport).
    DropHandler(PlayerCore& core, QWidget& window, const QList<QWidget*>& targets);

    // The local paths a drag carries, in order; empty when it carries none.
    static QStringList localPaths(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PlayerCore& m_core;
};
