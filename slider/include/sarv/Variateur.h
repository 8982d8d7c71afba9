// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <sarv/FaceRenderer.h>
#include <sarv/Status.h>
#include <sarv/sarv_export.h>

#include <QImage>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <memory>

namespace sarv {

class PropertyBag;
class VariateurPrivate;

// The slider control "Sarv.Variateur": a horizontal track with a gradient face
// whose colours follow the value, an optional 3-D border and a shaded thumb.
//
// Colours are 32-bit values with red in the low byte. Min, Max and Value are
// 16-bit. Before InitProperties or ReadProperties every property is unset and
// counts as 0 (black colours, empty range, no thumb, no border).
//
// Every accepted setter stores the value, emits propertyChanged with the
// property's name, then repaints (Value emits Change between storing and the
// notification, even when the value did not change). Min, Max and Value reject
// out-of-range values with a message through MessageSink and keep the old
// value; the setter still succeeds. A setter fails only when the repaint does
// (a thumb with Max equal to Min), after storing and notifying.
//
// The control also takes keyboard focus (Tab, or a click) and keys: the arrows
// move the value by one, Page Up and Page Down by pageStep, Home and End to
// Min and Max. A key stores the value as a drag that ends there does: it
// redraws and raises Change when the value moved, then raises Click as the
// end of a gesture. A dotted frame shows keyboard focus. Assistive technology
// sees a slider named by accessibleName, with its value, range and step; the
// library registers that accessible interface itself. With accessible off the
// control is mouse-only and shows itself to assistive technology as a plain
// widget.
class SARV_EXPORT Variateur : public QWidget {
    Q_OBJECT
    Q_PROPERTY(uint Backcolor READ Backcolor WRITE setBackcolor)
    Q_PROPERTY(uint BorderColorUp READ BorderColorUp WRITE setBorderColorUp)
    Q_PROPERTY(uint BorderColorDown READ BorderColorDown WRITE setBorderColorDown)
    Q_PROPERTY(uint ForeColorMin1 READ ForeColorMin1 WRITE setForeColorMin1)
    Q_PROPERTY(uint ForeColorMin2 READ ForeColorMin2 WRITE setForeColorMin2)
    Q_PROPERTY(uint ForeColorMax1 READ ForeColorMax1 WRITE setForeColorMax1)
    Q_PROPERTY(uint ForeColorMax2 READ ForeColorMax2 WRITE setForeColorMax2)
    Q_PROPERTY(short Min READ Min WRITE setMin)
    Q_PROPERTY(short Max READ Max WRITE setMax)
    Q_PROPERTY(short Value READ Value WRITE setValue)
    Q_PROPERTY(Pos DegradeMode READ DegradeMode WRITE setDegradeMode)
    Q_PROPERTY(BWidth ButtonWidth READ ButtonWidth WRITE setButtonWidth)
    Q_PROPERTY(uint ButtonColor READ ButtonColor WRITE setButtonColor)
    Q_PROPERTY(bool Border READ Border WRITE setBorder)
    Q_PROPERTY(QVariant Hwnd READ Hwnd)
    Q_PROPERTY(int pageStep READ pageStep WRITE setPageStep)
    Q_PROPERTY(bool accessible READ isAccessible WRITE setAccessible)
    // Descriptions a designer shows beside each property and the Refresh method.
    Q_CLASSINFO("Backcolor", "Renvoie ou défini la couleur de fond du controle")
    Q_CLASSINFO("BorderColorUp", "Renvoie ou défini la couleur de la bordure de gauche et d'en haut")
    Q_CLASSINFO("BorderColorDown", "Renvoie ou défini la couleur de la bordure du bas et de droite")
    Q_CLASSINFO("ForeColorMin1", "Renvoie ou défini la couleur du haut ou de gauche lorsque la "
                                 "propriété Valeur correspond à  la propriété Min")
    Q_CLASSINFO("ForeColorMin2", "Renvoie ou défini la couleur du bas ou de droite lorsque la "
                                 "propriété Valeur correspond à  la propriété Min")
    Q_CLASSINFO("ForeColorMax1", "Renvoie ou défini la couleur du haut ou de gauche lorsque la "
                                 "propriété Valeur correspond à  la propriété Max")
    Q_CLASSINFO("ForeColorMax2", "Renvoie ou défini la couleur du bas ou de droite lorsque la "
                                 "propriété Valeur correspond à  la propriété Max")
    Q_CLASSINFO("Min", "Renvoi ou défini la valeur minimale pouvant être atteinte par le bouton")
    Q_CLASSINFO("Max", "Renvoi ou défini la valeur maximale pouvant être atteinte par le bouton")
    Q_CLASSINFO("Value", "Renvoie ou défini la valeur indiquée par le bouton")
    Q_CLASSINFO("DegradeMode", "Renvoie ou défini une valeur indiquant si le dégrader des couleur "
                               "doit se faire horizontalement ou verticalement")
    Q_CLASSINFO("ButtonWidth", "Renvoie ou défini la largeur du boutton")
    Q_CLASSINFO("ButtonColor", "Renvoie ou défini la couleur du bouton")
    Q_CLASSINFO("Border", "Renvoie ou défini une valeur qui détermine si la bordure du controle "
                          "est tracée")
    Q_CLASSINFO("Refresh", "Cette méthode actualise le controle au cas où il y aurai un problème")
    // Hosts that create controls and pages by class name: this control's name,
    // and its property pages in the order a designer shows them (Gestion, then
    // the host's standard colour page).
    Q_CLASSINFO("ClassName", "Sarv.Variateur")
    Q_CLASSINFO("PropertyPages", "Sarv.Gestion;StandardColor")

public:
    // Direction of the gradient bands. Any other value draws no gradient.
    enum Pos : int { horizontal = 0, vertical = 1 };
    Q_ENUM(Pos)
    // Thumb width in pixels. Any other value is kept but draws no thumb.
    enum BWidth : int { Large = 20, Normal = 10, Small = 5 };
    Q_ENUM(BWidth)

    // Creates the control with every property unset and paints it once.
    explicit Variateur(QWidget* parent = nullptr);
    ~Variateur() override;

    uint Backcolor() const;
    Status setBackcolor(uint colour);
    uint BorderColorUp() const;
    Status setBorderColorUp(uint colour);
    uint BorderColorDown() const;
    Status setBorderColorDown(uint colour);
    uint ForeColorMin1() const;
    Status setForeColorMin1(uint colour);
    uint ForeColorMin2() const;
    Status setForeColorMin2(uint colour);
    uint ForeColorMax1() const;
    Status setForeColorMax1(uint colour);
    uint ForeColorMax2() const;
    Status setForeColorMax2(uint colour);
    short Min() const;
    Status setMin(short value);
    short Max() const;
    Status setMax(short value);
    short Value() const;
    Status setValue(short value);
    Pos DegradeMode() const;
    Status setDegradeMode(Pos mode);
    BWidth ButtonWidth() const;
    Status setButtonWidth(BWidth width);
    // Stored and saved; the thumb itself is always drawn in yellow, RGB(255, 255, 0).
    uint ButtonColor() const;
    Status setButtonColor(uint colour);
    bool Border() const;
    Status setBorder(bool border);
    // The native handle of the window the control draws in, as a 32-bit integer.
    QVariant Hwnd() const;

    // The step of Page Up and Page Down. 0 (the default) means a tenth of the
    // range, at least 1; negative values count as 0.
    int pageStep() const;
    void setPageStep(int step);
    // Keyboard focus, keys and the accessible slider interface; on by default.
    bool isAccessible() const;
    void setAccessible(bool on);

    // Repaints the whole face into the retained image and schedules its display.
    // Invocable by name; the returned Status says whether the thumb could be
    // placed.
    Q_INVOKABLE sarv::Status Refresh();

    // The class names of the property pages, as the "PropertyPages" class info
    // lists them: "Sarv.Gestion" (created by createControl) then "StandardColor".
    static QStringList propertyPages();

    // Defaults of a newly placed control: no border, horizontal gradient from
    // green to black at Min and red to black at Max, range 0..10, thumb Normal.
    Status InitProperties();
    // Loads the properties from bag, unset keys taking their defaults, without
    // checks or notifications, then repaints. A value that cannot be converted
    // ends the load (earlier properties stay loaded) and gives false and error.
    bool ReadProperties(const PropertyBag& bag, QString* error = nullptr);
    // Saves the properties into bag; values equal to their default are left out,
    // except the button colour, which is always written.
    void WriteProperties(PropertyBag& bag) const;

    // The face as last painted, one image pixel per widget pixel.
    const QImage& face() const;
    FaceState faceState() const;

Q_SIGNALS:
    // The value changed (by the Value setter, or by the mouse after the redraw).
    void Change();
    // The control was clicked (pressed and released on it).
    void Click();
    // The container's property-changed notification, with the property's name.
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    friend class VariateurPrivate;
    const std::unique_ptr<VariateurPrivate> d;
};

} // namespace sarv
