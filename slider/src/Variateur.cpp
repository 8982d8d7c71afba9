#include <sarv/Variateur.h>

#include <sarv/ColorRoutines.h>
#include <sarv/MessageSink.h>
#include <sarv/PointerMapping.h>
#include <sarv/PropertyBag.h>

#include "PropertyConversion.h"

#include <QMouseEvent>
#include <QPainter>

namespace sarv {

namespace {

const QString kErrorTitle = QStringLiteral("Erreur");
const QString kMinMessage = QStringLiteral(
    "Attention, La valeur de la propriété Min doit être inférieure à celle de la propriété Max");
const QString kMaxMessage = QStringLiteral(
    "Attention, La valeur de la propriété Max doit être supérieure à celle de la propriété Min");
const QString kValueMessage
    = QStringLiteral("Attention, la valeur de la propriété Value doit être comprise entre la "
                     "valeur de la propriété Min et celle de la propriété Max.");

// Keys of the saved properties and their defaults.
const QString kBackcolor = QStringLiteral("Backcolor");
const QString kBorderColorUp = QStringLiteral("BorderColorUp");
const QString kBorderColorDown = QStringLiteral("BorderColorDown");
const QString kForeColorMin1 = QStringLiteral("ForeColorMin1");
const QString kForeColorMin2 = QStringLiteral("ForeColorMin2");
const QString kForeColorMax1 = QStringLiteral("ForeColorMax1");
const QString kForeColorMax2 = QStringLiteral("ForeColorMax2");
const QString kDegradeMode = QStringLiteral("DegradeMode");
const QString kMin = QStringLiteral("Min");
const QString kMax = QStringLiteral("Max");
const QString kValue = QStringLiteral("Value");
const QString kButtonWidth = QStringLiteral("buttonwidth");
const QString kButtonColor = QStringLiteral("buttoncolor");
const QString kBorder = QStringLiteral("Border");

const uint kDefaultBorderColorUp = RGB(200, 200, 200);
const uint kDefaultBorderColorDown = RGB(127, 127, 127);
const uint kDefaultForeColorMin1 = RGB(0, 255, 0);
const uint kDefaultForeColorMax1 = RGB(255, 0, 0);
const uint kDefaultButtonColor = RGB(255, 255, 0);
constexpr short kDefaultMax = 10;

// Reads key into field, or gives false with a message when its value does not
// convert.
template <typename T, typename Convert>
bool load(const PropertyBag& bag, const QString& key, const QVariant& fallback, Convert convert,
          T& field, QString* error)
{
    const QVariant stored = bag.read(key, fallback);
    const auto converted = convert(stored);
    if (!converted) {
        if (error)
            *error = QStringLiteral("Valeur « %1 » invalide pour la propriété %2")
                         .arg(stored.toString(), key);
        return false;
    }
    field = T(*converted);
    return true;
}

} // namespace

Variateur::Variateur(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    Refresh();
}

Status Variateur::accepted(const char* name)
{
    Q_EMIT propertyChanged(QString::fromLatin1(name));
    return Refresh();
}

Status Variateur::setColour(uint& field, uint colour, const char* name)
{
    field = colour;
    return accepted(name);
}

Status Variateur::setBackcolor(uint colour)
{
    return setColour(m_backcolor, colour, "Backcolor");
}

Status Variateur::setBorderColorUp(uint colour)
{
    return setColour(m_borderColorUp, colour, "BorderColorUp");
}

Status Variateur::setBorderColorDown(uint colour)
{
    return setColour(m_borderColorDown, colour, "BorderColorDown");
}

Status Variateur::setForeColorMin1(uint colour)
{
    return setColour(m_foreColorMin1, colour, "ForeColorMin1");
}

Status Variateur::setForeColorMin2(uint colour)
{
    return setColour(m_foreColorMin2, colour, "ForeColorMin2");
}

Status Variateur::setForeColorMax1(uint colour)
{
    return setColour(m_foreColorMax1, colour, "ForeColorMax1");
}

Status Variateur::setForeColorMax2(uint colour)
{
    return setColour(m_foreColorMax2, colour, "ForeColorMax2");
}

Status Variateur::setMin(short value)
{
    if (value > m_max) {
        MessageSink::current().showMessage(this, kMinMessage, kErrorTitle,
                                           MessageSink::Icon::Error);
        return {};
    }
    m_min = value;
    return accepted("Min");
}

Status Variateur::setMax(short value)
{
    if (value < m_min) {
        MessageSink::current().showMessage(this, kMaxMessage, kErrorTitle,
                                           MessageSink::Icon::Error);
        return {};
    }
    m_max = value;
    return accepted("Max");
}

Status Variateur::setValue(short value)
{
    if (value < m_min || value > m_max) {
        MessageSink::current().showMessage(this, kValueMessage, MessageSink::defaultTitle(),
                                           MessageSink::Icon::None);
        return {};
    }
    m_value = value;
    // Change comes first, so that a handler already reads the new value.
    Q_EMIT Change();
    return accepted("Value");
}

Status Variateur::setDegradeMode(Pos mode)
{
    m_degradeMode = mode;
    return accepted("DegradeMode");
}

Status Variateur::setButtonWidth(BWidth width)
{
    m_buttonWidth = width;
    return accepted("ButtonWidth");
}

Status Variateur::setButtonColor(uint colour)
{
    return setColour(m_buttonColor, colour, "ButtonColor");
}

Status Variateur::setBorder(bool border)
{
    m_border = border;
    return accepted("Border");
}

QVariant Variateur::Hwnd() const
{
    return QVariant::fromValue(qint32(effectiveWinId()));
}

FaceState Variateur::faceState() const
{
    FaceState state;
    state.backcolor = m_backcolor;
    state.borderColorUp = m_borderColorUp;
    state.borderColorDown = m_borderColorDown;
    state.foreColorMin1 = m_foreColorMin1;
    state.foreColorMin2 = m_foreColorMin2;
    state.foreColorMax1 = m_foreColorMax1;
    state.foreColorMax2 = m_foreColorMax2;
    state.min = m_min;
    state.max = m_max;
    state.value = m_value;
    state.degradeMode = m_degradeMode;
    state.buttonWidth = m_buttonWidth;
    state.border = m_border;
    return state;
}

Status Variateur::Refresh()
{
    if (m_face.size() != size())
        m_face = QImage(size(), QImage::Format_RGB32);
    const Status status = renderFace(m_face, faceState());
    update();
    return status;
}

Status Variateur::InitProperties()
{
    m_backcolor = 0;
    m_borderColorUp = RGB(200, 200, 200);
    m_borderColorDown = RGB(127, 127, 127);
    m_foreColorMin1 = RGB(0, 255, 0);
    m_foreColorMin2 = 0;
    m_foreColorMax1 = RGB(255, 0, 0);
    m_foreColorMax2 = 0;
    m_value = 0;
    m_min = 0;
    m_max = 10;
    m_degradeMode = horizontal;
    return setButtonWidth(Normal);
}

bool Variateur::ReadProperties(const PropertyBag& bag, QString* error)
{
    using namespace conversion;
    const bool loaded = load(bag, kBackcolor, 0u, toColour, m_backcolor, error)
        && load(bag, kBorderColorUp, kDefaultBorderColorUp, toColour, m_borderColorUp, error)
        && load(bag, kBorderColorDown, kDefaultBorderColorDown, toColour, m_borderColorDown,
                error)
        && load(bag, kForeColorMin1, kDefaultForeColorMin1, toColour, m_foreColorMin1, error)
        && load(bag, kForeColorMin2, 0u, toColour, m_foreColorMin2, error)
        && load(bag, kForeColorMax1, kDefaultForeColorMax1, toColour, m_foreColorMax1, error)
        && load(bag, kForeColorMax2, 0u, toColour, m_foreColorMax2, error)
        && load(bag, kDegradeMode, 0, toInt32, m_degradeMode, error)
        && load(bag, kMin, 0, toShort, m_min, error)
        && load(bag, kMax, kDefaultMax, toShort, m_max, error)
        && load(bag, kValue, 0, toShort, m_value, error)
        && load(bag, kButtonWidth, int(Normal), toInt32, m_buttonWidth, error)
        && load(bag, kButtonColor, kDefaultButtonColor, toColour, m_buttonColor, error)
        && load(bag, kBorder, true, toBoolean, m_border, error);
    if (!loaded)
        return false;
    const Status status = Refresh();
    if (!status && error)
        *error = status.error();
    return status.ok();
}

void Variateur::WriteProperties(PropertyBag& bag) const
{
    bag.write(kBackcolor, m_backcolor, 0u);
    bag.write(kBorderColorUp, m_borderColorUp, kDefaultBorderColorUp);
    bag.write(kBorderColorDown, m_borderColorDown, kDefaultBorderColorDown);
    bag.write(kForeColorMin1, m_foreColorMin1, kDefaultForeColorMin1);
    bag.write(kForeColorMin2, m_foreColorMin2, 0u);
    bag.write(kForeColorMax1, m_foreColorMax1, kDefaultForeColorMax1);
    bag.write(kForeColorMax2, m_foreColorMax2, 0u);
    bag.write(kDegradeMode, int(m_degradeMode), 0);
    bag.write(kMin, int(m_min), 0);
    bag.write(kMax, int(m_max), int(kDefaultMax));
    bag.write(kValue, int(m_value), 0);
    bag.write(kButtonWidth, int(m_buttonWidth), int(Normal));
    bag.write(kButtonColor, m_buttonColor);
    bag.write(kBorder, m_border, true);
}

void Variateur::paintEvent(QPaintEvent*)
{
    // The face is drawn in widget pixels; on a scaled screen it is enlarged as a
    // whole, without smoothing.
    QPainter painter(this);
    painter.drawImage(rect(), m_face);
}

void Variateur::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Refresh();
}

void Variateur::pointerAt(double x)
{
    const double W = width() - 1;
    if (const auto value = mapPointer(W, x, m_min, m_max, m_value)) {
        m_value = *value;
        Refresh(); // a thumb that cannot be placed leaves the face without it
        Q_EMIT Change();
    }
}

void Variateur::mousePressEvent(QMouseEvent* event)
{
    m_pressedButton = event->button();
    if (event->buttons() == Qt::LeftButton)
        pointerAt(event->position().x());
}

void Variateur::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::LeftButton)
        pointerAt(event->position().x());
}

void Variateur::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = event->button() == m_pressedButton
        && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        && rect().contains(event->position().toPoint());
    m_pressedButton = Qt::NoButton;
    if (click)
        Q_EMIT Click();
}

} // namespace sarv
