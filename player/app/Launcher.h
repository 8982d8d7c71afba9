// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

class frmMain;
class frmSplash;
class TerminationSignals;

// The run of the program around its main window: the splash first, then the
// main window's load; the end of the program when the main window has
// unloaded; and SIGTERM / SIGINT turned into a normal close of the main window.
class Launcher : public QObject {
    Q_OBJECT
public:
    explicit Launcher(frmMain& window, QObject* parent = nullptr);
    ~Launcher() override;

    // Shows the splash; the main window loads when the splash has finished.
    void start();
    frmSplash* splash() const;

private:
    void terminate();

    frmMain& m_window;
    TerminationSignals* m_signals = nullptr;
    QPointer<frmSplash> m_splash;
};
