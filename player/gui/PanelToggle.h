// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class frmMain;

// The playlist check box chkPlay: shows or hides the playlist panel and gives
// the main window the height that goes with it.
class PanelToggle : public QObject {
    Q_OBJECT
public:
    // Window heights in twips.
    static constexpr int kHeightWithPanel = 5700;
    static constexpr int kHeightWithoutPanel = 1880;

    explicit PanelToggle(frmMain& main);

    void chkPlay_Click();

private:
    frmMain& m_main;
};
