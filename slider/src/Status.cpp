#include <sarv/Status.h>

namespace sarv {

Status Status::failure(const QString& error)
{
    Status status;
    status.m_error = error.isEmpty() ? QStringLiteral("Erreur") : error;
    return status;
}

} // namespace sarv
