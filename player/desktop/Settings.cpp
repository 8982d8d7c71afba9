#include "desktop/Settings.h"

#include "core/LevelTable.h"
#include "core/MediaEngine.h"
#include "core/PlayerCore.h"
#include "core/PlaybackClock.h"
#include "desktop/SettingValue.h"
#include "desktop/SettingsFile.h"
#include "gui/Twips.h"
#include "gui/frmMain.h"
#include "gui/VelkorCmd.h"

#include <sarv/Variateur.h>

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kApplication = QStringLiteral("velkor-player");
const QString kSection = QStringLiteral("Options");

// A value in its form, or the default when the stored text is not one.
template <typename T, typename Convert>
T valueOr(const QString& text, T fallback, Convert convert)
{
    const std::optional<T> value = convert(text);
    return value ? *value : fallback;
}

// The mute button shows "V" while the sound is off and "U" while it is on.
QString muteCaption(bool muted)
{
    return muted ? QStringLiteral("V") : QStringLiteral("U");
}

} // namespace

Settings::Settings(frmMain& main)
    : m_main(main)
{
}

QString Settings::storePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
        + kApplication + QLatin1Char('/') + kApplication + QStringLiteral(".ini");
}

QString Settings::read(const QSettings& store, const QString& key, const QString& fallback) const
{
    const QString path = kSection + QLatin1Char('/') + key;
    if (!store.contains(path))
        return fallback;
    return SettingValue::textOf(store.value(path));
}

void Settings::restorePosition(const QSettings& store)
{
    const double currentTop = Twips::fromPixelsY(m_main.y());
    const double top = valueOr(read(store, QStringLiteral("top"), SettingValue::fromCoordinate(currentTop)),
                               currentTop, SettingValue::toCoordinate);
    m_main.move(m_main.x(), Twips::toPixelsY(top));

    const double currentLeft = Twips::fromPixelsX(m_main.x());
    const double left = valueOr(read(store, QStringLiteral("left"), SettingValue::fromCoordinate(currentLeft)),
                                currentLeft, SettingValue::toCoordinate);
    m_main.move(Twips::toPixelsX(left), m_main.y());
}

// A window beyond the right edge, taller than the screen, or with a negative
// edge goes back to the top left corner.
void Settings::keepOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const double screenWidth = Twips::fromPixelsX(screen->size().width());
    const double screenHeight = Twips::fromPixelsY(screen->size().height());
    if (Twips::fromPixelsX(m_main.x()) > screenWidth
        || Twips::fromPixelsY(m_main.height()) > screenHeight)
        m_main.move(0, 0);
    if (m_main.x() < 0 || m_main.y() < 0)
        m_main.move(0, 0);
}

namespace {

// A value outside the slider's range is left out instead of having the slider
// refuse it with a message.
void setSliderValue(sarv::Variateur& slider, int value)
{
    if (value >= slider.Min() && value <= slider.Max())
        slider.setValue(short(value));
}

} // namespace

void Settings::GetValue()
{
    SettingsFile file(storePath());
    const QSettings& store = file.store();

    restorePosition(store);
    MediaEngine& engine = m_main.engine();

    const int volume = valueOr(read(store, QStringLiteral("Vol"), QStringLiteral("0")), 0,
                               SettingValue::toInteger);
    const int shuffle = valueOr(read(store, QStringLiteral("suff"), QStringLiteral("0")), 0,
                                SettingValue::toInteger);
    m_main.core().TimeMode = valueOr(read(store, QStringLiteral("timemode"), QStringLiteral("True")),
                              true, SettingValue::toBoolean);
    const bool mute = valueOr(read(store, QStringLiteral("mute"), QStringLiteral("False")), false,
                              SettingValue::toBoolean);
    m_main.core().RepeatOn = valueOr(read(store, QStringLiteral("repeat"), QStringLiteral("False")),
                              false, SettingValue::toBoolean);
    int panel = valueOr(read(store, QStringLiteral("play"), QStringLiteral("1")), 1,
                        SettingValue::toInteger);
    // The panel box is either checked or not: other values are refused.
    if (panel != 0 && panel != 1)
        panel = 1;
    m_main.mnuOnTop->setChecked(valueOr(read(store, QStringLiteral("Ontop"), QStringLiteral("False")),
                                        false, SettingValue::toBoolean));
    const bool fitToSize = valueOr(read(store, QStringLiteral("FitToSize"), QStringLiteral("False")),
                                   false, SettingValue::toBoolean);

    m_main.mnuFit->setChecked(fitToSize);
    // The periodic update applies the on-top state at its next run.
    m_main.core().OnTopWanted = m_main.mnuOnTop->isChecked();
    m_main.core().OnTopApplied = !m_main.core().OnTopWanted;
    m_main.chkPlay->setChecked(panel == 1);
    if (!engine.setVolume(volume))
        engine.setVolume(0);
    m_main.chkSuffle->setChecked(shuffle != 0);
    engine.setMute(mute);
    m_main.chkRepeat->setChecked(m_main.core().RepeatOn);
    const bool muted = engine.Mute();
    m_main.Check1->setValue(muted ? 1 : 0);
    m_main.Check1->setCaption(muteCaption(muted));

    keepOnScreen();

    if (const std::optional<int> index = LevelTable::indexOf(engine.Volume(), LevelTable::kVolumeTop))
        setSliderValue(*m_main.scrlVol, *index);
    if (const std::optional<int> index = LevelTable::indexOf(engine.Balance(), LevelTable::kBalanceTop))
        setSliderValue(*m_main.scrlBal, *index);
}

void Settings::SaveSettings()
{
    SettingsFile file(storePath());
    QSettings& store = file.store();
    store.beginGroup(kSection);
    MediaEngine& engine = m_main.engine();
    store.setValue(QStringLiteral("Vol"), SettingValue::fromInteger(engine.Volume()));
    store.setValue(QStringLiteral("suff"), SettingValue::fromInteger(m_main.chkSuffle->isChecked() ? 1 : 0));
    store.setValue(QStringLiteral("timemode"), SettingValue::fromBoolean(m_main.core().TimeMode));
    store.setValue(QStringLiteral("mute"), SettingValue::fromBoolean(engine.Mute()));
    store.setValue(QStringLiteral("repeat"), SettingValue::fromBoolean(m_main.chkRepeat->isChecked()));
    store.setValue(QStringLiteral("top"), SettingValue::fromCoordinate(Twips::fromPixelsY(m_main.y())));
    store.setValue(QStringLiteral("left"), SettingValue::fromCoordinate(Twips::fromPixelsX(m_main.x())));
    store.setValue(QStringLiteral("play"), SettingValue::fromInteger(m_main.chkPlay->isChecked() ? 1 : 0));
    store.setValue(QStringLiteral("Ontop"), SettingValue::fromBoolean(m_main.mnuOnTop->isChecked()));
    store.setValue(QStringLiteral("FitToSize"), SettingValue::fromBoolean(m_main.mnuFit->isChecked()));
    store.endGroup();
    // One checked atomic replacement of the file; when that fails the
    // previous file stays whole.
    file.commit();
}
