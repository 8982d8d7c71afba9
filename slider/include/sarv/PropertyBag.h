#pragma once

#include <sarv/sarv_export.h>

#include <QMap>
#include <QString>
#include <QVariant>

namespace sarv {

// Case-insensitive key/value store a container hands to a control. Placeholder.
class SARV_EXPORT PropertyBag {
public:
    static PropertyBag fromText(const QString& text);
    QVariant read(const QString& key, const QVariant& fallback) const;

private:
    QMap<QString, QVariant> m_values; // keys in lower case
};

} // namespace sarv
