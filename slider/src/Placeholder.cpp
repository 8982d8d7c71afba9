// Placeholder implementation until the slider library lands.
#include <sarv/ControlFactory.h>
#include <sarv/PropertyBag.h>
#include <sarv/Variateur.h>

#include <QStringList>

namespace sarv {

Variateur::Variateur(QWidget* parent)
    : QWidget(parent)
{
}

void Variateur::setMin(short value)
{
    if (value <= m_max)
        m_min = value;
}

void Variateur::setMax(short value)
{
    if (value >= m_min)
        m_max = value;
}

void Variateur::setValue(short value)
{
    if (value < m_min || value > m_max)
        return;
    m_value = value;
    Q_EMIT Change();
}

bool Variateur::ReadProperties(const PropertyBag& bag)
{
    m_min = short(bag.read(QStringLiteral("Min"), 0).toInt());
    m_max = short(bag.read(QStringLiteral("Max"), 10).toInt());
    m_value = short(bag.read(QStringLiteral("Value"), 0).toInt());
    return true;
}

PropertyBag PropertyBag::fromText(const QString& text)
{
    PropertyBag bag;
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            bag.m_values.insert(line.left(eq).trimmed().toLower(), line.mid(eq + 1).trimmed());
    }
    return bag;
}

QVariant PropertyBag::read(const QString& key, const QVariant& fallback) const
{
    return m_values.value(key.toLower(), fallback);
}

QWidget* createControl(const QString& className, QWidget* parent, QString* error)
{
    if (className == QLatin1String("Sarv.Variateur"))
        return new Variateur(parent);
    if (error)
        *error = QStringLiteral("Unknown control class: %1").arg(className);
    return nullptr;
}

} // namespace sarv
