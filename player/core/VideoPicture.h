// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSize>

// An engine's picture as a view sees it: the size of the drawing area the
// engine computes, and the views that show it. A view attaches under a key of
// its own with its size and the part of it that can be seen (from its
// top-left corner: a window smaller than the area, or the screen's edge, cuts
// the rest), in device pixels, and detaches when it is hidden or gone; how the
// picture is drawn and handed over is the engine's.
class VideoPicture : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual QSize areaSize() const = 0;

    virtual void attach(const void* view, const QSize& size, const QSize& seen) = 0;
    virtual void detach(const void* view) = 0;

Q_SIGNALS:
    void areaSizeChanged(QSize size);
};
