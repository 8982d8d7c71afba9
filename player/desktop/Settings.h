#pragma once

#include <QObject>
#include <QString>

class QSettings;
class frmMain;

// The ten options kept between runs, in the [Options] section of
// $XDG_CONFIG_HOME/velkor-player/velkor-player.ini: the window position, volume,
// mute, shuffle, repeat, time display mode, playlist panel, on top and fit to
// size. Loaded once at start-up, written once when the main window unloads.
class Settings : public QObject {
    Q_OBJECT
public:
    explicit Settings(frmMain& main);

    // Loads and applies the ten options. A stored value that cannot be read in
    // its form, or that the window or the engine refuses, gives way to that
    // option's default; the other options are applied all the same.
    void GetValue();
    // Writes the ten options. The file is replaced as a whole, so a failed
    // write leaves the previous one as it was.
    void SaveSettings();

    // The settings file of the current user.
    static QString storePath();

private:
    void restorePosition(const QSettings& store);
    void keepOnScreen();
    QString read(const QSettings& store, const QString& key, const QString& fallback) const;

    frmMain& m_main;
};
