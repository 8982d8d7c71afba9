#pragma once

#include <sarv/Variateur.h>

#include <QImage>

namespace sarv {

// The state of a Variateur, kept out of the public header so that the
// library can change it without breaking programs built against it.
class VariateurPrivate {
public:
    explicit VariateurPrivate(Variateur* q)
        : q(q)
    {
    }

    // The tail of every accepted setter: the container's notification, then
    // the repaint, whose status the setter returns.
    Status accepted(const char* name);
    Status setColour(uint& field, uint colour, const char* name);
    // Mouse press or move with the left button alone at pixel column x.
    void pointerAt(double x);

    Variateur* const q;
    uint backcolor = 0;
    uint borderColorUp = 0;
    uint borderColorDown = 0;
    uint foreColorMin1 = 0;
    uint foreColorMin2 = 0;
    uint foreColorMax1 = 0;
    uint foreColorMax2 = 0;
    short min = 0;
    short max = 0;
    short value = 0;
    Variateur::Pos degradeMode = Variateur::horizontal;
    Variateur::BWidth buttonWidth = Variateur::BWidth(0);
    uint buttonColor = 0;
    bool border = false;

    QImage face;
    Qt::MouseButton pressedButton = Qt::NoButton;
};

} // namespace sarv
