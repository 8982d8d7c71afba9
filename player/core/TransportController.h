// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class PlayerCore;

// The transport: open, play, pause and stop.
class TransportController : public QObject {
    Q_OBJECT
public:
    explicit TransportController(PlayerCore& core);

    void cmdPlay_Click();
    void cmdPause_Click();
    void cmdStop_Click();
    void cmdOpen_Click();
    // Asks for one file, makes it the whole playlist and plays it.
    void OpenFile();

private:
    PlayerCore& m_core;
};
