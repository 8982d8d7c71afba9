// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/NamePatterns.h"

namespace NamePatterns {

QStringList forQtDialog(const QStringList& patterns)
{
    QStringList out;
    for (const QString& pattern : patterns) {
        if (!out.contains(pattern))
            out << pattern;
        if (pattern == QLatin1String("*.*") && !out.contains(QStringLiteral("*")))
            out << QStringLiteral("*");
    }
    return out;
}

} // namespace NamePatterns
