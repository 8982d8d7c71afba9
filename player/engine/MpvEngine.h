// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/MediaEngine.h"
#include "engine/MidiStream.h"
#include "engine/MpvObserved.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSize>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <memory>
#include <utility>

struct mpv_handle;
struct mpv_event;
class FrameRenderer;
class FullScreenWindow;

// The media engine on libmpv.
//
// libmpv runs asynchronously; this class gives the player the synchronous,
// polled engine it expects: writing FileName returns once the file is loaded or
// has failed, reads drain libmpv's pending events first so they answer the
// state as it stands (a read right after a seek gives the new position), and at
// the end of a file the media stays open with CurrentPosition equal to Duration.
// Position and duration come from libmpv's property-change events (MpvObserved),
// not from a round trip per read: a paused player wakes nobody.
//
// MIDI files (.mid, .rmi, or any file that starts as one) are synthesised by
// FluidSynth into a stream that libmpv plays like a WAV file (MidiStream).
//
// Only local files are played: every name is opened as a path, never as a
// protocol (MIDI streams aside, which only the engine names), and libmpv runs without config files, scripts, key bindings, its
// on-screen controller or network helpers.
//
// The process must have LC_NUMERIC set to "C" before the engine is made.
class MpvEngine : public QObject, public MediaEngine {
    Q_OBJECT
public:
    enum class VideoOutput {
        Surface, // video rendered into the engine's picture (the product)
        None,    // no video output at all (headless tests and benchmarks)
    };
    // Extra libmpv options (name, value), set after the engine's own; for tests
    // that capture the sound (ao=pcm) or tune speed.
    using Options = QList<std::pair<QString, QString>>;

    explicit MpvEngine(VideoOutput output = VideoOutput::Surface, const Options& extra = {});
    ~MpvEngine() override;

    // True when libmpv could be started; otherwise every open fails with a message.
    bool isValid() const { return m_mpv != nullptr; }

    QString FileName() const override { return m_fileName; }
    void setFileName(const QString& path) override;

    std::optional<double> CurrentPosition() const override;
    bool setCurrentPosition(double seconds) override;
    std::optional<double> Duration() const override;

    void Play() override;
    void Pause() override;
    void Stop() override;

    int Volume() const override { return m_volume; }
    bool setVolume(int level) override;
    int Balance() const override { return m_balance; }
    bool setBalance(int level) override;
    bool Mute() const override { return m_mute; }
    void setMute(bool muted) override;

    int DisplaySize() const override { return m_displaySize; }
    void setDisplaySize(int size) override;

    bool HasError() const override { return m_hasError; }
    QString ErrorDescription() const override { return m_errorDescription; }

    bool FullScreenEnabled() const override { return m_fullScreenEnabled; }
    void setFullScreenEnabled(bool enabled) override { m_fullScreenEnabled = enabled; }

    // The FrameRenderer, or nullptr without a video output.
    VideoPicture* picture() override;
    int drawingWidth() const override { return drawingSize().width(); }
    int drawingHeight() const override { return drawingSize().height(); }
    void setDrawingSize(int width, int height) override;

    // The video's own size, or an empty size for audio or nothing open.
    QSize videoSize() const { return m_videoSize; }

    static constexpr int kMinLevel = -10000;
    static constexpr int kMaxVolume = 0;
    static constexpr int kMaxBalance = 10000;

private:
    enum class OpenPhase { Idle, Requested, Started, Loaded, Failed };

    void openFile(const QString& path);
    // Makes the song of a MIDI file ready for libmpv; the address to open, or
    // nullopt after fail().
    std::optional<QByteArray> prepareMidi(const QString& path);
    void closeMedia();
    void fail(const QString& path, const QString& cause, const QString& detail = {});
    bool waitForOpen();
    void drainEvents();
    void retryLostSeek();
    // Handles the events libmpv has announced, if any: asking libmpv for events
    // costs far more than a property read, so reads only do it when told to.
    void sync() const
    {
        if (m_eventsPending.load())
            const_cast<MpvEngine*>(this)->drainEvents();
    }
    void handleEvent(const mpv_event& event);
    void readVideoSize();
    bool applyBalance(int level);
    void applyDrawingSize();
    void setUnscaled(bool unscaled);
    QSize drawingSize() const;
    void enterFullScreen();
    void leaveFullScreen(int size);
    static void onWakeup(void* self);

    mpv_handle* m_mpv = nullptr;
    MpvObserved m_observed{nullptr};
    std::atomic<bool> m_drainQueued{false};
    std::atomic<bool> m_eventsPending{true};
    std::unique_ptr<FrameRenderer> m_renderer;
    // Outlives m_mpv: libmpv closes its streams as it goes.
    MidiStream::Library m_midi;
    QByteArray m_midiAddress;
    std::unique_ptr<FullScreenWindow> m_fullScreenWindow;

    QString m_fileName;
    bool m_open = false;
    bool m_hasError = false;
    QString m_errorDescription;
    OpenPhase m_phase = OpenPhase::Idle;
    int64_t m_pendingEntry = -1;
    int64_t m_currentEntry = -1;
    int m_endError = 0;
    QStringList m_log;

    std::optional<double> m_seekTarget;
    bool m_seekRetried = false;
    std::optional<double> m_positionBeforeSeek;
    QElapsedTimer m_seekClock;

    int m_volume = 0;
    int m_balance = 0;
    bool m_mute = false;
    int m_displaySize = Original;
    int m_sizeBeforeFullScreen = Original;
    bool m_fullScreenEnabled = true;
    QSize m_requestedSize;
    bool m_unscaled = false;
    QSize m_videoSize;
};
