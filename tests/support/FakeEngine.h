// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/MediaEngine.h"

#include <QMap>
#include <QSize>
#include <QStringList>

#include <memory>

class FakePicture;

// A media engine for tests: it records every call in `calls` ("Play",
// "setFileName:/a.mp3", "setVolume:-600", ...) and answers from a script.
// A path listed in `failing` fails to open, after `failDelayMs` as a real
// engine's probe would take; `durations` gives each path's length (default
// 100 s). Position and duration reads fail while nothing is open.
class FakeEngine : public MediaEngine {
public:
    FakeEngine();
    ~FakeEngine() override;

    QStringList calls;
    QStringList failing;
    int failDelayMs = 0;
    QMap<QString, double> durations;
    double defaultDuration = 100.0;
    bool refuseVolume = false; // setVolume refuses every level

    // State, readable and writable by tests.
    QString fileName;
    std::optional<double> position;
    std::optional<double> duration;
    bool playing = false;
    int volume = 0;
    int balance = 0;
    bool muted = false;
    int displaySize = 0;
    bool hasError = false;
    QString errorDescription;
    bool fullScreenEnabled = true;
    int width = 0;
    int height = 0;

    QString FileName() const override { return fileName; }
    void setFileName(const QString& path) override;
    std::optional<double> CurrentPosition() const override { return position; }
    bool setCurrentPosition(double seconds) override;
    std::optional<double> Duration() const override { return duration; }
    void Play() override;
    void Pause() override;
    void Stop() override;
    int Volume() const override { return volume; }
    bool setVolume(int level) override;
    int Balance() const override { return balance; }
    bool setBalance(int level) override;
    bool Mute() const override { return muted; }
    void setMute(bool value) override;
    int DisplaySize() const override { return displaySize; }
    void setDisplaySize(int size) override;
    bool HasError() const override { return hasError; }
    QString ErrorDescription() const override { return errorDescription; }
    bool FullScreenEnabled() const override { return fullScreenEnabled; }
    void setFullScreenEnabled(bool enabled) override;
    // A picture that never has a frame; it announces the drawing size, so
    // a video window's surface follows setDrawingSize as with the real engine.
    VideoPicture* picture() override;
    int drawingWidth() const override { return width; }
    int drawingHeight() const override { return height; }
    void setDrawingSize(int w, int h) override;

    // The picture announces a drawing area's size, as the real engine does
    // once a video is open.
    void announceAreaSize(const QSize& size);

    // Calls whose text starts with prefix, in order.
    QStringList callsStartingWith(const QString& prefix) const;

private:
    std::unique_ptr<FakePicture> m_picture;
};
