// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "support/TestMain.h"
#include "gui/WindowSystem.h"
#include "gui/frmMain.h"
#include "support/FakeEngine.h"
#include "support/ScriptedPrompts.h"

#include <QList>

#include <gtest/gtest.h>

#include <memory>

// Records the menus that would pop up and the windows that would be moved,
// instead of opening a menu that waits for a person.
class RecordingWindowSystem : public WindowSystem {
public:
    struct Popup {
        QMenu* menu;
        QAction* defaultItem;
    };

    RecordingWindowSystem() { WindowSystem::setCurrent(this); }
    ~RecordingWindowSystem() override { WindowSystem::setCurrent(nullptr); }

    void popupMenu(QMenu* menu, QAction* defaultItem) override
    {
        popups.append({ menu, defaultItem });
    }
    void startSystemMove(QWidget* window, QPoint pressedAt) override
    {
        moves.append(window);
        moveOrigins.append(pressedAt);
    }

    QList<Popup> popups;
    QList<QWidget*> moves;
    QList<QPoint> moveOrigins; // where each move's press was
};

// A main window on a fake engine, with every menu and dialog recorded.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { main = makeMain(); }

    std::unique_ptr<frmMain> makeMain()
    {
        return std::make_unique<TestMain>([this]() -> std::unique_ptr<MediaEngine> {
            auto engine = makeEngine();
            fake = engine.get();
            return engine;
        });
    }

    virtual std::unique_ptr<FakeEngine> makeEngine() { return std::make_unique<FakeEngine>(); }

    FakeEngine& engine()
    {
        main->videoWindow();
        return *fake;
    }

    RecordingWindowSystem system;
    ScriptedPrompts prompts;
    FakeEngine* fake = nullptr;
    std::unique_ptr<frmMain> main;
};
