// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#include <sarv/PropertyBag.h>

namespace sarv {

namespace {

QString valueText(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    QString text = value.toString();
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

} // namespace

PropertyBag PropertyBag::fromText(const QString& text)
{
    PropertyBag bag;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().startsWith(QLatin1Char('#')))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        if (key.isEmpty())
            continue;
        bag.write(key, line.mid(eq + 1).trimmed());
    }
    return bag;
}

QString PropertyBag::toText() const
{
    QString text;
    for (const Entry& entry : m_entries)
        text += entry.key + QLatin1Char('=') + valueText(entry.value) + QLatin1Char('\n');
    return text;
}

QVariant PropertyBag::read(const QString& key, const QVariant& fallback) const
{
    const qsizetype i = indexOf(key);
    return i < 0 ? fallback : m_entries.at(i).value;
}

void PropertyBag::write(const QString& key, const QVariant& value, const QVariant& writeDefault)
{
    if (writeDefault.isValid() && value == writeDefault) {
        remove(key);
        return;
    }
    const qsizetype i = indexOf(key);
    if (i < 0)
        m_entries.append({ key, value });
    else
        m_entries[i].value = value;
}

bool PropertyBag::contains(const QString& key) const
{
    return indexOf(key) >= 0;
}

void PropertyBag::remove(const QString& key)
{
    const qsizetype i = indexOf(key);
    if (i >= 0)
        m_entries.removeAt(i);
}

QStringList PropertyBag::keys() const
{
    QStringList result;
    for (const Entry& entry : m_entries)
        result << entry.key;
    return result;
}

qsizetype PropertyBag::indexOf(const QString& key) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).key.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace sarv
