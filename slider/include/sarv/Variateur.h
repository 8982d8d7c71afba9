#pragma once

#include <sarv/sarv_export.h>

#include <QWidget>

namespace sarv {

class PropertyBag;

// The slider control "Sarv.Variateur". Placeholder: the model only, no drawing.
class SARV_EXPORT Variateur : public QWidget {
    Q_OBJECT
public:
    explicit Variateur(QWidget* parent = nullptr);

    short Min() const { return m_min; }
    void setMin(short value);
    short Max() const { return m_max; }
    void setMax(short value);
    short Value() const { return m_value; }
    void setValue(short value);

    bool ReadProperties(const PropertyBag& bag);

Q_SIGNALS:
    void Change();
    void Click();

private:
    short m_min = 0;
    short m_max = 10;
    short m_value = 0;
};

} // namespace sarv
