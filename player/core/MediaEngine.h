// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

class VideoPicture;

// The contract between the player and whatever plays its media. Everything that
// plays, seeks, sets levels or asks about the media goes through it; MpvEngine is
// the real one, tests use a scripted fake.
//
// Names follow the player's published operations. Reads that the engine cannot
// answer (a position or duration while nothing is open) return std::nullopt, so
// a caller can see the failure and skip its step instead of taking 0 for a fact.
class MediaEngine {
public:
    virtual ~MediaEngine() = default;

    // Writing a path opens that media and starts it at once. When the write
    // returns, the media is loaded or has failed, and Duration, HasError and
    // ErrorDescription describe it. Writing "" closes the media.
    virtual QString FileName() const = 0;
    virtual void setFileName(const QString& path) = 0;

    // Seconds. Writing seeks; writing 0 rewinds. At the end of a file the media
    // stays open with CurrentPosition equal to Duration.
    virtual std::optional<double> CurrentPosition() const = 0;
    virtual bool setCurrentPosition(double seconds) = 0;
    virtual std::optional<double> Duration() const = 0;

    virtual void Play() = 0;
    virtual void Pause() = 0;
    // Halts without rewinding.
    virtual void Stop() = 0;

    // Hundredths of a decibel, -10000 to 0; a value outside is refused (false)
    // and nothing changes.
    virtual int Volume() const = 0;
    virtual bool setVolume(int level) = 0;
    // -10000 (left) to 10000 (right): the opposite channel is attenuated by
    // |Balance|/100 dB. A value outside is refused.
    virtual int Balance() const = 0;
    virtual bool setBalance(int level) = 0;
    virtual bool Mute() const = 0;
    virtual void setMute(bool muted) = 0;

    // How the picture is sized: the values the player stores and publishes.
    enum Display : int {
        Original = 0,   // the video's own size
        FullScreen = 3, // the engine's own full-screen picture
        Fitted = 4,     // fitted to the drawing area, aspect kept
    };
    virtual int DisplaySize() const = 0;
    virtual void setDisplaySize(int size) = 0;

    virtual bool HasError() const = 0;
    virtual QString ErrorDescription() const = 0;

    // Gates the double-click on the video that enters full screen.
    virtual bool FullScreenEnabled() const = 0;
    virtual void setFullScreenEnabled(bool enabled) = 0;

    // The engine's picture, for a video window to attach a view to; nullptr
    // for engines that draw nothing. The engine owns it.
    virtual VideoPicture* picture() { return nullptr; }
    // The engine's idea of the drawing area's size, in pixels: the video's own
    // size for display size Original, else the size the video window gives.
    virtual int drawingWidth() const = 0;
    virtual int drawingHeight() const = 0;
    virtual void setDrawingSize(int width, int height) = 0;
};
