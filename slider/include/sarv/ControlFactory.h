#pragma once

#include <sarv/sarv_export.h>

#include <QString>

class QWidget;

namespace sarv {

// Creates a control of the library from its class name ("Sarv.Variateur").
// An unknown name gives nullptr and, when error is given, a message saying why.
SARV_EXPORT QWidget* createControl(const QString& className, QWidget* parent = nullptr,
                                   QString* error = nullptr);

} // namespace sarv
