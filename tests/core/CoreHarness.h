// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The player core on a fake engine and scripted prompts, with no window: what
// the core asks of the windows is recorded from its signals.
#include "core/PlayerCore.h"
#include "core/PlaylistModel.h"
#include "core/Sequencer.h"
#include "core/TransportController.h"
#include "support/FakeEngine.h"
#include "support/ScriptedPrompts.h"

#include <QStringList>

struct Harness {
    // Handed to the core only: a question the core asks through the seam in
    // force would go unanswered here and unrecorded.
    ScriptedPrompts prompts { ScriptedPrompts::Seam::HandedOnly };
    FakeEngine* fake = nullptr;
    int enginesMade = 0;
    PlayerCore core { [this] {
        auto engine = std::make_unique<FakeEngine>();
        fake = engine.get();
        ++enginesMade;
        return engine;
    }, prompts };
    // The video window as the core's requests leave it, and the requests
    // to minimise the main window.
    bool videoShown = false;
    bool videoMinimised = false;
    int mainMinimised = 0;

    Harness()
    {
        QObject::connect(&core, &PlayerCore::videoWindowRequested, &core,
            [this](PlayerCore::VideoRequest request) {
                if (request == PlayerCore::VideoRequest::Show)
                    videoShown = true;
                else if (request == PlayerCore::VideoRequest::Hide)
                    videoShown = false;
                else if (request == PlayerCore::VideoRequest::Minimise)
                    videoMinimised = true;
            });
        QObject::connect(&core, &PlayerCore::mainWindowMinimiseRequested, &core,
            [this] { ++mainMinimised; });
        core.engine();
    }

    explicit Harness(const QStringList& entries)
        : Harness()
    {
        core.playlist().AppendMany(entries);
    }

    PlaylistModel& playlist() { return core.playlist(); }
    Sequencer& tracks() { return core.sequencer(); }
    TransportController& transport() { return core.transport(); }

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
