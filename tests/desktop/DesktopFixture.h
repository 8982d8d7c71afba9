// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/TestMain.h"
#include "gui/frmMain.h"
#include "support/FakeEngine.h"

#include "support/WaitFor.h"

#include <QDir>
#include <QFile>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A main window on the fake engine, and a scratch folder to make media files in.
struct DesktopFixture {
    FakeEngine* fake = nullptr;
    std::unique_ptr<frmMain> window = std::make_unique<TestMain>([this] {
        auto engine = std::make_unique<FakeEngine>();
        fake = engine.get();
        return engine;
    });
    QTemporaryDir scratch;

    // Creates an empty file (and its folders) under the scratch folder and
    // returns its full path.
    QString makeFile(const QString& relative)
    {
        const QString path = scratch.filePath(relative);
        QDir().mkpath(path.left(path.lastIndexOf(u'/')));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    }
};
