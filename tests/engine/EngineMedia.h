#pragma once

#include "engine/MpvEngine.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// The media every engine test uses, generated once per test program into a
// temporary folder.
struct EngineMedia {
    static constexpr double kSeconds = 2.0;

    static const EngineMedia& get();
    QString path(const QString& name) const { return dir->filePath(name); }
    // Engine options for tests: no sound device at all, optionally faster.
    static MpvEngine::Options silent(double speed = 1.0);
    // Lets events run until done() is true or timeoutMs has passed.
    static bool waitUntil(const std::function<bool()>& done, int timeoutMs);

    std::unique_ptr<QTemporaryDir> dir;
    bool ok = false;
};
