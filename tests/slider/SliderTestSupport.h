// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sarv/FaceRenderer.h>
#include <sarv/MessageSink.h>
#include <sarv/Variateur.h>

#include <QCoreApplication>
#include <QList>
#include <QMouseEvent>
#include <QStringList>

#include <memory>

// Records the library's message boxes instead of showing them.
class RecordingSink : public sarv::MessageSink {
public:
    struct Message {
        QString text;
        QString title;
        Icon icon;
    };

    RecordingSink() { install(this); }
    ~RecordingSink() override { install(nullptr); }

    void showMessage(QWidget*, const QString& text, const QString& title, Icon icon) override
    {
        messages.append({ text, title, icon });
        if (log)
            log->append(QStringLiteral("message"));
    }

    QList<Message> messages;
    QStringList* log = nullptr;
};

// A control as newly placed, width x height pixels.
inline std::unique_ptr<sarv::Variateur> placedSlider(int width = 101, int height = 31)
{
    auto slider = std::make_unique<sarv::Variateur>();
    slider->resize(width, height);
    slider->InitProperties();
    return slider;
}

// Whether the control's retained face shows its current properties.
inline bool faceIsCurrent(const sarv::Variateur& slider)
{
    QImage fresh(slider.face().size(), QImage::Format_RGB32);
    sarv::renderFace(fresh, slider.faceState());
    return fresh == slider.face();
}

// Sends a mouse event with an explicit button state, as the window system does.
inline void sendMouse(sarv::Variateur& slider, QEvent::Type type, double x, Qt::MouseButton button,
                      Qt::MouseButtons buttons)
{
    const QPointF pos(x, slider.height() / 2.0);
    QMouseEvent event(type, pos, slider.mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&slider, &event);
}
