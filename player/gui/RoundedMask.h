#pragma once

#include <QRegion>
#include <QSize>

class QWidget;

// The shape of the player's borderless windows: a rectangle whose corners are
// quarter ellipses of the given size, in pixels.
class RoundedMask {
public:
    static QRegion region(QSize size, int ellipseWidth, int ellipseHeight);
    // Sets the shape over the widget's current rectangle.
    static void apply(QWidget& widget, int ellipseWidth, int ellipseHeight);
};
