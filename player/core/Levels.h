// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class EngineHost;

// Volume and balance: the sliders' steps (0 to 10 and 0 to 20) turned into
// the engine's levels through LevelTable, and the texts beside the sliders.
class Levels : public QObject {
    Q_OBJECT
public:
    explicit Levels(EngineHost& engines);

    // How long scrlBal_Change holds the user interface after a balance change.
    static constexpr int kBalancePauseMs = 250;
    static constexpr int kVolumeSteps = 10;

    void scrlVol_Change(int index);
    void scrlBal_Change(int index);

    int volumeIndex() const { return m_volumeIndex; }
    // Asks the volume slider to move to a step: kept inside 0..10, so that
    // the slider never refuses it with a message box.
    void requestVolumeIndex(int index);
    // The same for a fraction of the full volume (MPRIS), rounded to the
    // nearest step; a value that is not a number is ignored.
    void requestVolume(double fraction);

    // The stored volume level given back to the engine (0 where the engine
    // refuses it), and the volume slider moved to the step it makes.
    void restoreVolume(int level);
    // The balance slider moved to the step of the engine's balance.
    void showEngineBalance();
    // The engine's volume level, as the settings keep it.
    int engineVolume();

    QString volumeText() const { return m_volumeText; }
    QString balanceText() const { return m_balanceText; }

Q_SIGNALS:
    void volumeTextChanged(const QString& text);
    void balanceTextChanged(const QString& text);
    // The volume slider should show this step.
    void volumeIndexRequested(int index);
    // The balance slider should show this step.
    void balanceIndexRequested(int index);

private:
    EngineHost& m_engines;
    int m_volumeIndex = kVolumeSteps;
    QString m_volumeText = QStringLiteral("Volume : 10");
    QString m_balanceText = QStringLiteral("Balance");
    // True while scrlBal_Change lets pending events run, so that a balance
    // change arriving then does not nest another round of pending events.
    bool m_balanceSettling = false;
};
