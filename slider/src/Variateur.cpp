// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#include <sarv/Variateur.h>

#include <sarv/ColorRoutines.h>
#include <sarv/MessageSink.h>
#include <sarv/PointerMapping.h>
#include <sarv/PropertyBag.h>

#include "PropertyConversion.h"
#include "VariateurAccessible.h"
#include "VariateurInput.h"
#include "VariateurPrivate.h"

#include <QAccessible>
#include <QMetaClassInfo>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

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
// The keyboard focus frame: dots in the thumb's yellow round the face.
const QColor kFocusColour(255, 255, 0);

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
    , d(std::make_unique<VariateurPrivate>(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    VariateurAccessible::install();
    Refresh();
}

Variateur::~Variateur() = default;

VariateurPrivate::VariateurPrivate(Variateur* q)
    : q(q)
    , input(std::make_unique<VariateurInput>(q))
{
}

VariateurPrivate::~VariateurPrivate() = default;

Status VariateurPrivate::accepted(const char* name)
{
    Q_EMIT q->propertyChanged(QString::fromLatin1(name));
    return q->Refresh();
}

Status VariateurPrivate::setColour(uint& field, uint colour, const char* name)
{
    field = colour;
    return accepted(name);
}

uint Variateur::Backcolor() const { return d->backcolor; }
uint Variateur::BorderColorUp() const { return d->borderColorUp; }
uint Variateur::BorderColorDown() const { return d->borderColorDown; }
uint Variateur::ForeColorMin1() const { return d->foreColorMin1; }
uint Variateur::ForeColorMin2() const { return d->foreColorMin2; }
uint Variateur::ForeColorMax1() const { return d->foreColorMax1; }
uint Variateur::ForeColorMax2() const { return d->foreColorMax2; }
short Variateur::Min() const { return d->min; }
short Variateur::Max() const { return d->max; }
short Variateur::Value() const { return d->value; }
Variateur::Pos Variateur::DegradeMode() const { return d->degradeMode; }
Variateur::BWidth Variateur::ButtonWidth() const { return d->buttonWidth; }
uint Variateur::ButtonColor() const { return d->buttonColor; }
bool Variateur::Border() const { return d->border; }
const QImage& Variateur::face() const { return d->face; }

QStringList Variateur::propertyPages()
{
    const QMetaObject& meta = staticMetaObject;
    const int index = meta.indexOfClassInfo("PropertyPages");
    return QString::fromLatin1(meta.classInfo(index).value()).split(QLatin1Char(';'));
}

Status Variateur::setBackcolor(uint colour)
{
    return d->setColour(d->backcolor, colour, "Backcolor");
}

Status Variateur::setBorderColorUp(uint colour)
{
    return d->setColour(d->borderColorUp, colour, "BorderColorUp");
}

Status Variateur::setBorderColorDown(uint colour)
{
    return d->setColour(d->borderColorDown, colour, "BorderColorDown");
}

Status Variateur::setForeColorMin1(uint colour)
{
    return d->setColour(d->foreColorMin1, colour, "ForeColorMin1");
}

Status Variateur::setForeColorMin2(uint colour)
{
    return d->setColour(d->foreColorMin2, colour, "ForeColorMin2");
}

Status Variateur::setForeColorMax1(uint colour)
{
    return d->setColour(d->foreColorMax1, colour, "ForeColorMax1");
}

Status Variateur::setForeColorMax2(uint colour)
{
    return d->setColour(d->foreColorMax2, colour, "ForeColorMax2");
}

Status Variateur::setMin(short value)
{
    if (value > d->max) {
        MessageSink::current().showMessage(this, kMinMessage, kErrorTitle,
                                           MessageSink::Icon::Error);
        return {};
    }
    d->min = value;
    return d->accepted("Min");
}

Status Variateur::setMax(short value)
{
    if (value < d->min) {
        MessageSink::current().showMessage(this, kMaxMessage, kErrorTitle,
                                           MessageSink::Icon::Error);
        return {};
    }
    d->max = value;
    return d->accepted("Max");
}

Status Variateur::setValue(short value)
{
    if (value < d->min || value > d->max) {
        MessageSink::current().showMessage(this, kValueMessage, MessageSink::defaultTitle(),
                                           MessageSink::Icon::None);
        return {};
    }
    d->value = value;
    // Change comes first, so that a handler already reads the new value.
    Q_EMIT Change();
    return d->accepted("Value");
}

Status Variateur::setDegradeMode(Pos mode)
{
    d->degradeMode = mode;
    return d->accepted("DegradeMode");
}

Status Variateur::setButtonWidth(BWidth width)
{
    d->buttonWidth = width;
    return d->accepted("ButtonWidth");
}

Status Variateur::setButtonColor(uint colour)
{
    return d->setColour(d->buttonColor, colour, "ButtonColor");
}

Status Variateur::setBorder(bool border)
{
    d->border = border;
    return d->accepted("Border");
}

QVariant Variateur::Hwnd() const
{
    return QVariant::fromValue(qint32(effectiveWinId()));
}

FaceState Variateur::faceState() const
{
    FaceState state;
    state.backcolor = d->backcolor;
    state.borderColorUp = d->borderColorUp;
    state.borderColorDown = d->borderColorDown;
    state.foreColorMin1 = d->foreColorMin1;
    state.foreColorMin2 = d->foreColorMin2;
    state.foreColorMax1 = d->foreColorMax1;
    state.foreColorMax2 = d->foreColorMax2;
    state.min = d->min;
    state.max = d->max;
    state.value = d->value;
    state.degradeMode = d->degradeMode;
    state.buttonWidth = d->buttonWidth;
    state.border = d->border;
    return state;
}

int Variateur::pageStep() const { return d->pageStep; }

void Variateur::setPageStep(int step)
{
    d->pageStep = std::max(step, 0);
}

bool Variateur::isAccessible() const { return d->accessible; }

void Variateur::setAccessible(bool on)
{
    d->accessible = on;
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
    if (!on && hasFocus())
        clearFocus();
    update();
}

int VariateurPrivate::effectivePageStep() const
{
    if (pageStep > 0)
        return pageStep;
    return std::max((int(max) - int(min)) / 10, 1);
}

void VariateurPrivate::stepTo(int target)
{
    if (max < min)
        return;
    const short reached = short(std::clamp(target, int(min), int(max)));
    if (reached != value) {
        value = reached;
        q->Refresh(); // a thumb that cannot be placed leaves the face without it
        Q_EMIT q->Change();
    }
    Q_EMIT q->Click();
}

void VariateurPrivate::announceValue()
{
    if (value == announcedValue)
        return;
    announcedValue = value;
    if (accessible && QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(q, int(value));
        QAccessible::updateAccessibility(&event);
    }
}

Status Variateur::Refresh()
{
    if (d->face.size() != size())
        d->face = QImage(size(), QImage::Format_RGB32);
    const Status status = renderFace(d->face, faceState());
    d->announceValue();
    update();
    return status;
}

Status Variateur::InitProperties()
{
    d->backcolor = 0;
    d->borderColorUp = RGB(200, 200, 200);
    d->borderColorDown = RGB(127, 127, 127);
    d->foreColorMin1 = RGB(0, 255, 0);
    d->foreColorMin2 = 0;
    d->foreColorMax1 = RGB(255, 0, 0);
    d->foreColorMax2 = 0;
    d->value = 0;
    d->min = 0;
    d->max = 10;
    d->degradeMode = horizontal;
    return setButtonWidth(Normal);
}

bool Variateur::ReadProperties(const PropertyBag& bag, QString* error)
{
    using namespace conversion;
    const bool loaded = load(bag, kBackcolor, 0u, toColour, d->backcolor, error)
        && load(bag, kBorderColorUp, kDefaultBorderColorUp, toColour, d->borderColorUp, error)
        && load(bag, kBorderColorDown, kDefaultBorderColorDown, toColour, d->borderColorDown,
                error)
        && load(bag, kForeColorMin1, kDefaultForeColorMin1, toColour, d->foreColorMin1, error)
        && load(bag, kForeColorMin2, 0u, toColour, d->foreColorMin2, error)
        && load(bag, kForeColorMax1, kDefaultForeColorMax1, toColour, d->foreColorMax1, error)
        && load(bag, kForeColorMax2, 0u, toColour, d->foreColorMax2, error)
        && load(bag, kDegradeMode, 0, toInt32, d->degradeMode, error)
        && load(bag, kMin, 0, toShort, d->min, error)
        && load(bag, kMax, kDefaultMax, toShort, d->max, error)
        && load(bag, kValue, 0, toShort, d->value, error)
        && load(bag, kButtonWidth, int(Normal), toInt32, d->buttonWidth, error)
        && load(bag, kButtonColor, kDefaultButtonColor, toColour, d->buttonColor, error)
        && load(bag, kBorder, true, toBoolean, d->border, error);
    if (!loaded)
        return false;
    const Status status = Refresh();
    if (!status && error)
        *error = status.error();
    return status.ok();
}

void Variateur::WriteProperties(PropertyBag& bag) const
{
    bag.write(kBackcolor, d->backcolor, 0u);
    bag.write(kBorderColorUp, d->borderColorUp, kDefaultBorderColorUp);
    bag.write(kBorderColorDown, d->borderColorDown, kDefaultBorderColorDown);
    bag.write(kForeColorMin1, d->foreColorMin1, kDefaultForeColorMin1);
    bag.write(kForeColorMin2, d->foreColorMin2, 0u);
    bag.write(kForeColorMax1, d->foreColorMax1, kDefaultForeColorMax1);
    bag.write(kForeColorMax2, d->foreColorMax2, 0u);
    bag.write(kDegradeMode, int(d->degradeMode), 0);
    bag.write(kMin, int(d->min), 0);
    bag.write(kMax, int(d->max), int(kDefaultMax));
    bag.write(kValue, int(d->value), 0);
    bag.write(kButtonWidth, int(d->buttonWidth), int(Normal));
    bag.write(kButtonColor, d->buttonColor);
    bag.write(kBorder, d->border, true);
}

void Variateur::paintEvent(QPaintEvent*)
{
    // The face is drawn in widget pixels; on a scaled screen it is enlarged as a
    // whole, without smoothing.
    QPainter painter(this);
    painter.drawImage(rect(), d->face);
    if (d->accessible && d->keyboardFocus && hasFocus()) {
        painter.setPen(QPen(kFocusColour, 0, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Variateur::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Refresh();
}

void VariateurPrivate::pointerAt(double x)
{
    const double W = q->width() - 1;
    if (const auto mapped = mapPointer(W, x, min, max, value)) {
        value = *mapped;
        q->Refresh(); // a thumb that cannot be placed leaves the face without it
        Q_EMIT q->Change();
    }
}

void Variateur::mousePressEvent(QMouseEvent* event)
{
    d->pressedButton = event->button();
    if (event->buttons() == Qt::LeftButton)
        d->pointerAt(event->position().x());
}

void Variateur::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::LeftButton)
        d->pointerAt(event->position().x());
}

void Variateur::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = event->button() == d->pressedButton
        && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        && rect().contains(event->position().toPoint());
    d->pressedButton = Qt::NoButton;
    if (click)
        Q_EMIT Click();
}

} // namespace sarv
