// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <sarv/sarv_export.h>

#include <QMetaType>
#include <QObject>
#include <QString>

namespace sarv {

// Outcome of an operation that can fail without throwing: ok, or an error text.
// A gadget, so that a host calling the library by name (Refresh through
// QMetaObject::invokeMethod) reads "ok" and "error" as properties of the value
// it gets back.
class SARV_EXPORT Status {
    Q_GADGET
    Q_PROPERTY(bool ok READ ok)
    Q_PROPERTY(QString error READ error)
public:
    Status() = default;
    static Status failure(const QString& error);

    bool ok() const { return m_error.isEmpty(); }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return m_error; }

private:
    QString m_error;
};

} // namespace sarv

Q_DECLARE_METATYPE(sarv::Status)
