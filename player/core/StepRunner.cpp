// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/StepRunner.h"

#include <QDebug>

void StepRunner::noteFailure(const char* name, const QString& reason)
{
    m_failures << QString::fromLatin1(name);
    qInfo().noquote() << m_sequence << "- step skipped:" << name
                      << (reason.isEmpty() ? QString() : QStringLiteral("(%1)").arg(reason));
}
