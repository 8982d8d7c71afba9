// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/MpvEngine.h"
#include "support/WaitFor.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <vector>

// The media every engine test uses, generated once per test program into a
// temporary folder.
struct EngineMedia {
    static constexpr double kSeconds = 2.0;

    static const EngineMedia& get();
    QString path(const QString& name) const { return dir->filePath(name); }
    // Engine options for tests: no sound device at all, optionally faster.
    static MpvEngine::Options silent(double speed = 1.0);
    // Root-mean-square level of each channel of a WAV libmpv wrote (16-bit
    // integer or 32-bit float samples); empty when it cannot be read.
    static std::vector<double> channelLevels(const QString& path);
    // The number of sample frames in the same kind of file.
    static qint64 frameCount(const QString& path);
    // The frames from the first sample that is not silence to the end.
    static qint64 soundingFrames(const QString& path);

    std::unique_ptr<QTemporaryDir> dir;
    bool ok = false;
};
