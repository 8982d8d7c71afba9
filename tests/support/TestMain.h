#pragma once

#include "support/TestMain.h"
#include "core/PlayerCore.h"
#include "gui/frmMain.h"

// Holds the core that a main window under test views, made first and gone
// last, so a test can make both from an engine factory in one step.
struct CoreHolder {
    explicit CoreHolder(EngineHost::Factory factory)
        : ownedCore(std::move(factory))
    {
    }
    PlayerCore ownedCore;
};

// A main window with a core of its own, on the engine the factory makes.
class TestMain : private CoreHolder, public frmMain {
public:
    explicit TestMain(EngineHost::Factory factory)
        : CoreHolder(std::move(factory))
        , frmMain(ownedCore)
    {
    }
};
