// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sarv/MessageSink.h>

// Routes the slider library's message boxes through the player's prompts seam,
// so that they look like the player's own and tests can answer them.
class SliderMessages : public sarv::MessageSink {
public:
    void showMessage(QWidget* owner, const QString& text, const QString& title,
                     Icon icon) override;

    // Installs one process-wide instance; called once by the main window.
    static void installOnce();
};
