// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Levels.h"

#include "core/EngineHost.h"
#include "core/LevelTable.h"
#include "core/MediaEngine.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <cmath>

Levels::Levels(EngineHost& engines)
    : m_engines(engines)
{
}

void Levels::scrlVol_Change(int index)
{
    const std::optional<short> level = LevelTable::level(index);
    if (!level)
        return;
    m_engines.engine().setVolume(*level);
    m_volumeText = QStringLiteral("Volume : %1").arg(index);
    Q_EMIT volumeTextChanged(m_volumeText);
    m_volumeIndex = index;
}

void Levels::requestVolume(double fraction)
{
    if (std::isnan(fraction))
        return;
    requestVolumeIndex(int(std::lround(std::clamp(fraction, 0.0, 1.0) * kVolumeSteps)));
}

void Levels::restoreVolume(int level)
{
    MediaEngine& engine = m_engines.engine();
    if (!engine.setVolume(level))
        engine.setVolume(0);
    if (const std::optional<int> index = LevelTable::indexOf(engine.Volume(), LevelTable::kVolumeTop))
        requestVolumeIndex(*index);
}

void Levels::showEngineBalance()
{
    if (const std::optional<int> index
        = LevelTable::indexOf(m_engines.engine().Balance(), LevelTable::kBalanceTop))
        Q_EMIT balanceIndexRequested(*index);
}

int Levels::engineVolume()
{
    return m_engines.engine().Volume();
}

void Levels::requestVolumeIndex(int index)
{
    Q_EMIT volumeIndexRequested(std::clamp(index, 0, kVolumeSteps));
}

void Levels::scrlBal_Change(int index)
{
    const std::optional<short> level = LevelTable::level(index);
    if (!level)
        return;
    MediaEngine& engine = m_engines.engine();
    engine.setBalance(*level);
    const int balance = engine.Balance();
    if (balance > 0)
        m_balanceText = QString::number((index - 10) * 10) + QStringLiteral("% Droit");
    else if (balance < 0)
        m_balanceText = QString::number((10 - index) * 10) + QStringLiteral("% Gauche");
    else
        m_balanceText = QStringLiteral("Centre");
    Q_EMIT balanceTextChanged(m_balanceText);

    // Let pending events run (a drag delivers its moves, the update may tick),
    // then hold for a moment. A balance change that arrives while events run
    // here pauses too, but does not run pending events again, so the nesting
    // stops at one level.
    if (!m_balanceSettling) {
        m_balanceSettling = true;
        QCoreApplication::processEvents();
        m_balanceSettling = false;
    }
    QThread::msleep(kBalancePauseMs);
}
