// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <sarv/Variateur.h>

#include <QImage>

#include <memory>

namespace sarv {

class VariateurInput;

// The state of a Variateur, kept out of the public header so that the
// library can change it without breaking programs built against it.
class VariateurPrivate {
public:
    explicit VariateurPrivate(Variateur* q);
    ~VariateurPrivate();

    static VariateurPrivate* get(Variateur* q) { return q->d.get(); }

    // The tail of every accepted setter: the container's notification, then
    // the repaint, whose status the setter returns.
    Status accepted(const char* name);
    Status setColour(uint& field, uint colour, const char* name);
    // Mouse press or move with the left button alone at pixel column x.
    void pointerAt(double x);
    // A key (or assistive technology) moves the value to target, kept within
    // Min..Max: stored, redrawn and Change when it moved, as at the end of a
    // drag; then Click, as the gesture is over. Nothing when Max < Min.
    void stepTo(int target);
    // Page Up/Down's step in effect: pageStep, or a tenth of the range.
    int effectivePageStep() const;
    // Tells assistive technology about a value it has not been told yet.
    void announceValue();

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

    int pageStep = 0;
    bool accessible = true;
    // The focus came from the keyboard, so the focus frame is drawn.
    bool keyboardFocus = false;
    short announcedValue = 0;
    std::unique_ptr<VariateurInput> input;
};

} // namespace sarv
