// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <functional>

// Lets events run until `done` holds or `ms` milliseconds have passed, and
// returns whether it holds; `done` is looked at every 10 ms. QTest::qWait
// processes the events itself, so a QCoreApplication::exit() of the code
// under test does not end the wait early.
inline bool waitFor(const std::function<bool()>& done, int ms = 10000)
{
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
    return true;
}

// The same wait in a real event loop (one that sleeps when idle, as the
// program's does), for code that only runs in such a loop; a
// QCoreApplication::exit() of the code under test ends it.
inline bool waitInEventLoop(const std::function<bool()>& done, int ms = 10000)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(10);
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}
