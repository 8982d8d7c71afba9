// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/MprisRootAdaptor.h"

#include "desktop/MprisService.h"
#include <QWidget>

MprisRootAdaptor::MprisRootAdaptor(MprisService& service)
    : QDBusAbstractAdaptor(&service)
    , m_service(service)
{
}

QString MprisRootAdaptor::Identity() const
{
    return QStringLiteral("Velkor Player");
}

QString MprisRootAdaptor::DesktopEntry() const
{
    return QStringLiteral("velkor-player");
}

QStringList MprisRootAdaptor::SupportedUriSchemes() const
{
    return { QStringLiteral("file") };
}

QStringList MprisRootAdaptor::SupportedMimeTypes() const
{
    return mediaMimeTypes();
}

QStringList MprisRootAdaptor::mediaMimeTypes()
{
    // .dat (video CD tracks) is MPEG video; .cda has no MIME type of its own.
    return {
        QStringLiteral("audio/mpeg"),           QStringLiteral("video/mpeg"),
        QStringLiteral("video/x-msvideo"),      QStringLiteral("audio/x-wav"),
        QStringLiteral("audio/wav"),            QStringLiteral("audio/midi"),
        QStringLiteral("audio/x-ms-wma"),       QStringLiteral("video/x-ms-asf"),
        QStringLiteral("application/vnd.ms-asf"),
    };
}

void MprisRootAdaptor::Raise()
{
    QWidget& window = m_service.main();
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

void MprisRootAdaptor::Quit()
{
    // A normal unload, as the "&Quitter" menu item does: the close request
    // runs the main window's unload, and the program ends with its last window.
    m_service.main().close();
}
