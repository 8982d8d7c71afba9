// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/PanelToggle.h"

#include "gui/Twips.h"
#include "gui/frmMain.h"

#include <QCheckBox>

PanelToggle::PanelToggle(frmMain& main)
    : m_main(main)
{
}

void PanelToggle::chkPlay_Click()
{
    const bool shown = m_main.chkPlay->isChecked();
    m_main.picPlayList->setVisible(shown);
    // The resize reshapes the window, so the rounded corners follow the new
    // bottom edge.
    m_main.resize(m_main.width(), Twips::toPixelsY(shown ? kHeightWithPanel : kHeightWithoutPanel));
}
