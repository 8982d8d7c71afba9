// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <iterator>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The endings that can wait for a save: a logout or kill (SIGTERM), Ctrl+C
// (SIGINT), a closed terminal (SIGHUP) and Ctrl+\ (SIGQUIT).
constexpr int kSignals[] = { SIGTERM, SIGINT, SIGHUP, SIGQUIT };
constexpr int kCount = int(std::size(kSignals));

int g_pipe[2] = { -1, -1 };
struct sigaction g_previous[kCount] { };
struct sigaction g_previousPipe { };

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // Nothing to do when the pipe is full: a close is already on its way.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent)
{
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    struct sigaction action { };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < kCount; ++i)
        ::sigaction(kSignals[i], &action, &g_previous[i]);
    // A reader that went away (a closed terminal or pipe on standard output)
    // turns into a failed write, not the end of the program.
    struct sigaction ignore { };
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGPIPE, &ignore, &g_previousPipe);

    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    for (int i = 0; i < kCount; ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    ::sigaction(SIGPIPE, &g_previousPipe, nullptr);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void TerminationSignals::readPipe()
{
    unsigned char byte = 0;
    while (::read(g_pipe[0], &byte, 1) == 1)
        Q_EMIT received(int(byte));
}
