// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/SettingsStore.h"

#include <QString>

class PlayerCore;
class QSettings;

// The ten options kept between runs, in the [Options] section of
// $XDG_CONFIG_HOME/velkor-player/velkor-player.ini: the window position, volume,
// mute, shuffle, repeat, time display mode, playlist panel, on top and fit to
// size. Loaded once at start-up, written once when the main window unloads.
// Both directions go through the core: the views show what it holds.
class Settings : public SettingsStore {
public:
    explicit Settings(PlayerCore& core);

    // Loads and applies the ten options. A stored value that cannot be read in
    // its form, or that the engine refuses, gives way to that option's
    // default; the other options are applied all the same.
    void GetValue() override;
    // Writes the ten options. The file is replaced as a whole, so a failed
    // write leaves the previous one as it was.
    void SaveSettings() override;

    // The settings file of the current user.
    static QString storePath();

private:
    QString read(const QSettings& store, const QString& key, const QString& fallback) const;

    PlayerCore& m_core;
};
