// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/AppIcon.h"

#include <QDirIterator>

namespace AppIcon {

QIcon builtIn()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/app-icon"), { QStringLiteral("*.png") });
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

QIcon icon()
{
    return QIcon::fromTheme(QStringLiteral("velkor-player"), builtIn());
}

} // namespace AppIcon
