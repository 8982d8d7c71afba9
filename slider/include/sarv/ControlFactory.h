// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <sarv/sarv_export.h>

#include <QString>
#include <QStringList>

class QWidget;

namespace sarv {

// Creates a control or a property page of the library from its class name:
// "Sarv.Variateur" (the slider) or "Sarv.Gestion" (its property page). The name
// is matched without regard to case, as class names are looked up by hosts. An
// unknown name gives nullptr and, when error is given, a message saying why. A
// new slider has every property unset: follow with InitProperties() or
// ReadProperties(). A page edits nothing until its SelectionChanged is called.
SARV_EXPORT QWidget* createControl(const QString& className, QWidget* parent = nullptr,
                                   QString* error = nullptr);

// The class names createControl accepts, as it spells them.
SARV_EXPORT QStringList classNames();

} // namespace sarv
