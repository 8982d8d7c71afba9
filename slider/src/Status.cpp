// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#include <sarv/Status.h>

namespace sarv {

Status Status::failure(const QString& error)
{
    Status status;
    status.m_error = error.isEmpty() ? QStringLiteral("Erreur") : error;
    return status;
}

} // namespace sarv
