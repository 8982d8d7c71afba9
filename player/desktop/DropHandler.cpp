// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/DropHandler.h"

#include "core/FileNameCodec.h"
#include "core/PlaylistModel.h"
#include "desktop/DesktopIntegration.h"
#include "core/PlayerCore.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QWidget>
#include <QMimeData>
#include <QUrl>

DropHandler::DropHandler(PlayerCore& core, QWidget& window, const QList<QWidget*>& targets)
    : QObject(&window)
    , m_core(core)
{
    // Drops on any control of the window reach the window unless the control
    // takes them; the list's drops arrive at its viewport.
    for (QWidget* target : QList<QWidget*> { &window } + targets) {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }
}

QStringList DropHandler::localPaths(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        // The bytes of the name, also when they are not UTF-8.
        if (url.isLocalFile() && !url.path().isEmpty())
            paths << FileNameCodec::fromLocalUrl(url);
    }
    return paths;
}

bool DropHandler::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (localPaths(drag->mimeData()).isEmpty())
            return QObject::eventFilter(watched, event);
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = localPaths(drop->mimeData());
        if (paths.isEmpty())
            return QObject::eventFilter(watched, event);
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // Nothing that cannot be read is added; the drop says nothing about it.
        m_core.playlist().AppendMany(DesktopIntegration::mediaEntries(paths));
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
