// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/FakeEngine.h"

#include "core/VideoPicture.h"

#include <QThread>

// A picture that never has a frame: it announces the drawing area's size as
// the real engine's does, so a video window's surface follows it.
class FakePicture : public VideoPicture {
public:
    QSize areaSize() const override { return m_areaSize; }
    void attach(const void*, const QSize&, const QSize&) override { }
    void detach(const void*) override { }
    void setAreaSize(const QSize& size)
    {
        if (size == m_areaSize)
            return;
        m_areaSize = size;
        Q_EMIT areaSizeChanged(size);
    }

private:
    QSize m_areaSize;
};

FakeEngine::FakeEngine()
    : m_picture(std::make_unique<FakePicture>())
{
}

FakeEngine::~FakeEngine() = default;

void FakeEngine::setFileName(const QString& path)
{
    calls << QStringLiteral("setFileName:") + path;
    fileName = path;
    hasError = false;
    errorDescription.clear();
    if (path.isEmpty()) {
        position.reset();
        duration.reset();
        playing = false;
        return;
    }
    if (failing.contains(path)) {
        QThread::msleep(ulong(failDelayMs));
        hasError = true;
        errorDescription = QStringLiteral("Impossible d'ouvrir %1").arg(path);
        position.reset();
        duration.reset();
        playing = false;
        return;
    }
    position = 0.0;
    duration = durations.value(path, defaultDuration);
    playing = true;
}

bool FakeEngine::setCurrentPosition(double seconds)
{
    calls << QStringLiteral("setCurrentPosition:%1").arg(seconds);
    if (!position)
        return false;
    position = seconds;
    return true;
}

void FakeEngine::Play()
{
    calls << QStringLiteral("Play");
    playing = !fileName.isEmpty() && !hasError;
}

void FakeEngine::Pause()
{
    calls << QStringLiteral("Pause");
    playing = false;
}

void FakeEngine::Stop()
{
    calls << QStringLiteral("Stop");
    playing = false;
}

bool FakeEngine::setVolume(int level)
{
    calls << QStringLiteral("setVolume:%1").arg(level);
    if (refuseVolume || level < -10000 || level > 0)
        return false;
    volume = level;
    return true;
}

bool FakeEngine::setBalance(int level)
{
    calls << QStringLiteral("setBalance:%1").arg(level);
    if (level < -10000 || level > 10000)
        return false;
    balance = level;
    return true;
}

void FakeEngine::setMute(bool value)
{
    calls << QStringLiteral("setMute:%1").arg(value ? "true" : "false");
    muted = value;
}

void FakeEngine::setDisplaySize(int size)
{
    calls << QStringLiteral("setDisplaySize:%1").arg(size);
    displaySize = size;
}

void FakeEngine::setFullScreenEnabled(bool enabled)
{
    calls << QStringLiteral("setFullScreenEnabled:%1").arg(enabled ? "true" : "false");
    fullScreenEnabled = enabled;
}

VideoPicture* FakeEngine::picture()
{
    return m_picture.get();
}

void FakeEngine::announceAreaSize(const QSize& size)
{
    m_picture->setAreaSize(size);
}

void FakeEngine::setDrawingSize(int w, int h)
{
    width = w;
    height = h;
    m_picture->setAreaSize(QSize(w, h));
}

QStringList FakeEngine::callsStartingWith(const QString& prefix) const
{
    QStringList out;
    for (const QString& c : calls)
        if (c.startsWith(prefix))
            out << c;
    return out;
}
