// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A main window on a fake engine, with scripted prompts, for the transport and
// track-selection tests.
#include "support/TestMain.h"
#include "core/MediaEngine.h"
#include "core/TransportController.h"
#include "gui/frmPlayer.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "gui/frmMain.h"
#include "support/FakeEngine.h"
#include "support/ScriptedPrompts.h"
#include "gui/VelkorCmd.h"

#include "support/WaitFor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>

#include <functional>

struct Harness {
    ScriptedPrompts prompts;
    FakeEngine* fake = nullptr;
    int enginesMade = 0;
    TestMain main{[this] {
        auto engine = std::make_unique<FakeEngine>();
        fake = engine.get();
        ++enginesMade;
        return engine;
    } };

    Harness()
    {
        main.videoWindow(); // makes the engine (the fake) and the video window
    }

    explicit Harness(const QStringList& entries)
        : Harness()
    {
        main.core().playlist().AppendMany(entries);
    }

    PlaylistModel& playlist() { return main.core().playlist(); }
    Sequencer& tracks() { return main.core().sequencer(); }
    TransportController& transport() { return main.core().transport(); }
    frmPlayer& video() { return main.videoWindow(); }

    // Selects an entry and starts it, as a double-click does.
    void start(int index)
    {
        playlist().setListIndex(index);
        tracks().lstPlay_DblClick();
    }

    // The paths opened so far, in order.
    QStringList opened() const
    {
        QStringList out;
        for (const QString& c : fake->callsStartingWith(QStringLiteral("setFileName:")))
            out << c.mid(int(qstrlen("setFileName:")));
        return out;
    }
};

