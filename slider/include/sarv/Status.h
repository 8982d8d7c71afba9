#pragma once

#include <sarv/sarv_export.h>

#include <QString>

namespace sarv {

// Outcome of an operation that can fail without throwing: ok, or an error text.
class SARV_EXPORT Status {
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
