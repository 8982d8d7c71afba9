// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class frmMain;

// The zoom menu of the full-screen button: half, original and double size of
// the video window, full screen, and the two check marks "&Activer plein écran"
// and "Fit to &Size" (whose flag the core keeps).
class VideoSizes : public QObject {
    Q_OBJECT
public:
    explicit VideoSizes(frmMain& main);

    void cmdFull_Click();
    void mnuHalf_Click();
    void mnuOriginal_Click();
    void mnuDouble_Click();
    void mnuFullCtrl_Click();
    void mnuFull_Click();

    // Twips the video window keeps round the engine's drawing area.
    static constexpr double kMargin = 20;

    // Half of a window length in twips, rounded down to whole twips.
    static double half(double twips);

private:
    frmMain& m_main;
};
