// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// Wildcard patterns of the dialogs' type lists as Qt's file dialog must get
// them. "*.*" means every file, also one without a dot (as the file dialogs
// of the system the type lists come from read it); Qt would take it literally
// and hide "noext", so "*" follows it (the choice still shows "*.*").
namespace NamePatterns {

QStringList forQtDialog(const QStringList& patterns);

} // namespace NamePatterns
