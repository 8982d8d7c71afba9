// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QBasicTimer>
#include <QWidget>

class QLabel;
class VelkorPBar;

// The splash window, the start-up window of the program: a picture, the text
// "Chargement en cours ..." and a progress bar that fills in 2.8 seconds. On
// the tick after the bar is full it unloads itself and raises `finished`, and
// the main window takes over.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTickMs = 200;
    static constexpr int kStep = 8;

    explicit frmSplash(QWidget* parent = nullptr);

    void Form_Load();
    void Timer1_Timer();

    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    VelkorPBar* Bar = nullptr;
    // Ticks every kTickMs from Form_Load until the splash unloads.
    QBasicTimer Timer1;

    // The splash picture, drawn by the program.
    static QImage picture(QSize size);

Q_SIGNALS:
    // The splash is unloaded; the main window loads now.
    void finished();
    // The splash was closed from outside before it finished.
    void aborted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    bool m_done = false;
};
