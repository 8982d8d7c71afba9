// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/MediaEngine.h"

#include <QObject>

#include <functional>
#include <memory>

// Owns the media engine, independent of any window. The engine is made by the
// factory on first use (MpvEngine in the product, a fake in tests); a video
// window only borrows its picture. When the video window is unloaded the
// engine goes with it (release), and the next use makes a new one with
// nothing open.
class EngineHost : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<std::unique_ptr<MediaEngine>()>;

    explicit EngineHost(Factory factory, QObject* parent = nullptr);
    ~EngineHost() override;

    MediaEngine& engine();
    bool hasEngine() const { return m_engine != nullptr; }
    // Drops the engine; whatever was open closes with it.
    void release();

private:
    Factory m_factory;
    std::unique_ptr<MediaEngine> m_engine;
};
