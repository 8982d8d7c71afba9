// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the player's options are kept between runs. The main window loads
// them during its load and writes them during its unload; the desktop provides
// the file, so the windows never know where or how it is written.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Loads the options into the core.
    virtual void GetValue() = 0;
    // Writes the core's options.
    virtual void SaveSettings() = 0;
};
