// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <exception>
#include <type_traits>

// Runs the steps of a sequence in which every step gets its turn: a step that
// fails (throws, or returns false) is skipped with a line in the log, and the
// next step runs. Start-up and shutdown of the main window go through it, so a
// failed step can never keep the playlist from being restored or saved.
class StepRunner {
public:
    explicit StepRunner(QString sequence)
        : m_sequence(std::move(sequence))
    {
    }

    template <typename Step> bool operator()(const char* name, Step&& step)
    {
        bool ok = true;
        try {
            if constexpr (std::is_same_v<std::invoke_result_t<Step>, bool>)
                ok = step();
            else
                step();
        } catch (const std::exception& error) {
            ok = false;
            noteFailure(name, QString::fromLocal8Bit(error.what()));
            return false;
        } catch (...) {
            ok = false;
        }
        if (!ok)
            noteFailure(name, QString());
        return ok;
    }

    // Names of the steps that failed, in order.
    QStringList failures() const { return m_failures; }

private:
    void noteFailure(const char* name, const QString& reason);

    QString m_sequence;
    QStringList m_failures;
};
