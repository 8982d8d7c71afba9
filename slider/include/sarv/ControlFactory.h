#pragma once

#include <sarv/sarv_export.h>

#include <QString>

class QWidget;

namespace sarv {

// Creates a control of the library from its class name ("Sarv.Variateur").
// The name is matched without regard to case, as class names are looked up by
// hosts. An unknown name gives nullptr and, when error is given, a message
// saying why. A new control has every property unset: follow with
// InitProperties() or ReadProperties().
SARV_EXPORT QWidget* createControl(const QString& className, QWidget* parent = nullptr,
                                   QString* error = nullptr);

} // namespace sarv
