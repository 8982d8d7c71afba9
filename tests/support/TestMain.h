// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/Wiring.h"
#include "core/PlayerCore.h"
#include "desktop/Settings.h"
#include "gui/frmMain.h"
#include "support/PromptsInForce.h"

// Holds the core that a main window under test views, made first and gone
// last, so a test can make both from an engine factory in one step; the
// settings file of the test's XDG_CONFIG_HOME keeps the options. The core asks
// whichever prompts the test has in force.
struct CoreHolder {
    explicit CoreHolder(EngineHost::Factory factory)
        : ownedCore(std::move(factory), promptsInForce)
        , settings(ownedCore)
    {
    }
    PromptsInForce promptsInForce;
    PlayerCore ownedCore;
    Settings settings;
};

// A main window with a core of its own, on the engine the factory makes,
// wired to it as the program wires its window.
class TestMain : private CoreHolder, public frmMain {
public:
    explicit TestMain(EngineHost::Factory factory)
        : CoreHolder(std::move(factory))
        , frmMain(ownedCore)
    {
        setSettingsStore(&settings);
        Wiring::connectMainWindow(ownedCore, *this);
    }
};
