// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/Settings.h"

#include "core/Levels.h"
#include "core/PlayerCore.h"
#include "desktop/SettingValue.h"
#include "desktop/SettingsFile.h"

#include <QPointF>
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

} // namespace

Settings::Settings(PlayerCore& core)
    : m_core(core)
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

void Settings::GetValue()
{
    SettingsFile file(storePath());
    const QSettings& store = file.store();

    // The window stays where it is for a coordinate that cannot be read.
    const QPointF current = m_core.windowPlace();
    const double top = valueOr(read(store, QStringLiteral("top"), SettingValue::fromCoordinate(current.y())),
                               current.y(), SettingValue::toCoordinate);
    const double left = valueOr(read(store, QStringLiteral("left"), SettingValue::fromCoordinate(current.x())),
                                current.x(), SettingValue::toCoordinate);
    m_core.setWindowPlace(QPointF(left, top));

    const int volume = valueOr(read(store, QStringLiteral("Vol"), QStringLiteral("0")), 0,
                               SettingValue::toInteger);
    const int shuffle = valueOr(read(store, QStringLiteral("suff"), QStringLiteral("0")), 0,
                                SettingValue::toInteger);
    m_core.setTimeMode(valueOr(read(store, QStringLiteral("timemode"), QStringLiteral("True")), true,
                               SettingValue::toBoolean));
    const bool mute = valueOr(read(store, QStringLiteral("mute"), QStringLiteral("False")), false,
                              SettingValue::toBoolean);
    m_core.chkRepeat_Click(valueOr(read(store, QStringLiteral("repeat"), QStringLiteral("False")),
                                   false, SettingValue::toBoolean));
    int panel = valueOr(read(store, QStringLiteral("play"), QStringLiteral("1")), 1,
                        SettingValue::toInteger);
    // The panel box is either checked or not: other values are refused.
    if (panel != 0 && panel != 1)
        panel = 1;
    const bool onTop = valueOr(read(store, QStringLiteral("Ontop"), QStringLiteral("False")), false,
                               SettingValue::toBoolean);
    m_core.setFitToSize(valueOr(read(store, QStringLiteral("FitToSize"), QStringLiteral("False")),
                                false, SettingValue::toBoolean));
    // The periodic update applies the on-top state at its next run.
    m_core.setOnTopWanted(onTop);
    m_core.setOnTopApplied(!onTop);
    m_core.setPanelShown(panel == 1);
    m_core.levels().restoreVolume(volume);
    m_core.chkSuffle_Click(shuffle != 0);
    m_core.setMute(mute);
    m_core.levels().showEngineBalance();
}

void Settings::SaveSettings()
{
    SettingsFile file(storePath());
    QSettings& store = file.store();
    store.beginGroup(kSection);
    store.setValue(QStringLiteral("Vol"), SettingValue::fromInteger(m_core.levels().engineVolume()));
    store.setValue(QStringLiteral("suff"), SettingValue::fromInteger(m_core.Shuffle() ? 1 : 0));
    store.setValue(QStringLiteral("timemode"), SettingValue::fromBoolean(m_core.TimeMode()));
    store.setValue(QStringLiteral("mute"), SettingValue::fromBoolean(m_core.Mute()));
    store.setValue(QStringLiteral("repeat"), SettingValue::fromBoolean(m_core.RepeatOn()));
    store.setValue(QStringLiteral("top"), SettingValue::fromCoordinate(m_core.windowPlace().y()));
    store.setValue(QStringLiteral("left"), SettingValue::fromCoordinate(m_core.windowPlace().x()));
    store.setValue(QStringLiteral("play"), SettingValue::fromInteger(m_core.PanelShown() ? 1 : 0));
    // The on-top item's mark: the person's choice, also while About holds it off.
    store.setValue(QStringLiteral("Ontop"),
        SettingValue::fromBoolean(m_core.OnTopWanted() || m_core.OnTopSuspended()));
    store.setValue(QStringLiteral("FitToSize"), SettingValue::fromBoolean(m_core.FitToSize()));
    store.endGroup();
    // One checked atomic replacement of the file; when that fails the
    // previous file stays whole.
    file.commit();
}
