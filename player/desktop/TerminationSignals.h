// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT, SIGHUP and SIGQUIT into the signal `received` on the
// GUI thread, so that the program can close its main window as a normal unload
// (playlist and settings written) when the session ends, the terminal closes
// or the user presses Ctrl+C; SIGPIPE is ignored while it lives. The
// handler only writes the signal number into a pipe; everything else happens
// in the event loop. One instance at a time; the previous handlers come back
// when it is destroyed.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

    bool isActive() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};
