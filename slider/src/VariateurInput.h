// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QObject>

#include <optional>

namespace sarv {

class Variateur;

// The value a navigation key gives a slider: the arrows one step down (Left,
// Down) or up (Right, Up), Page Down and Page Up pageStep, Home Min and End
// Max. Not kept within the range here. Nothing for any other key, or with
// Ctrl, Alt or Meta held, so that the window's shortcuts keep those keys.
std::optional<int> keyTarget(int key, Qt::KeyboardModifiers modifiers, int min, int max, int value,
                             int pageStep);

// Keys and focus of a Variateur, watched from outside the class so that the
// control's public class keeps its layout and virtual functions.
class VariateurInput : public QObject {
public:
    explicit VariateurInput(Variateur* slider);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Variateur* const m_slider;
};

} // namespace sarv
