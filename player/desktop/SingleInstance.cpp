// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/SingleInstance.h"

#include "core/FileNameCodec.h"
#include "core/PlayerCore.h"
#include "core/Sequencer.h"
#include "desktop/DesktopIntegration.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {

// How often a request that came during the start-up looks whether the main
// window has finished loading.
constexpr int kLoadPollMs = 200;

} // namespace

SingleInstance::SingleInstance(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

SingleInstance::~SingleInstance()
{
    if (m_owner) {
        m_bus.unregisterObject(QLatin1String(kObjectPath));
        m_bus.unregisterService(QLatin1String(kServiceName));
    }
}

std::optional<int> SingleInstance::claimOrHandOver(const QStringList& paths)
{
    if (!m_bus.isConnected() || !m_bus.interface())
        return std::nullopt;
    // The object is there before the name, so that no call finds the name
    // without it.
    if (!m_bus.registerObject(QLatin1String(kObjectPath), this, QDBusConnection::ExportScriptableSlots))
        return std::nullopt;
    const auto reply = m_bus.interface()->registerService(QLatin1String(kServiceName),
                                                          QDBusConnectionInterface::DontQueueService,
                                                          QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        m_owner = true;
        return std::nullopt;
    }
    m_bus.unregisterObject(QLatin1String(kObjectPath));

    QStringList uris;
    for (const QString& path : paths)
        uris << QString::fromLatin1(FileNameCodec::toLocalUrl(path));
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kServiceName), QLatin1String(kObjectPath),
                                                      QLatin1String(kServiceName), QStringLiteral("Open"));
    call << uris;
    const QDBusMessage answer = m_bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (answer.type() == QDBusMessage::ReplyMessage && !answer.arguments().isEmpty()
        && answer.arguments().constFirst().toBool())
        return 0;
    // A player that is ending refuses: this one runs in its place.
    if (answer.type() == QDBusMessage::ReplyMessage)
        return std::nullopt;
    std::fprintf(stderr, "velkor-player : le lecteur déjà ouvert ne répond pas (%s)\n",
                 answer.errorMessage().toLocal8Bit().constData());
    return 1;
}

void SingleInstance::serve(PlayerCore& core, QWidget& window)
{
    m_core = &core;
    m_window = &window;
    if (!m_pending.isEmpty())
        applyPending();
}

void SingleInstance::playerLoadStateChanged(PlayerCore::LoadState state)
{
    if (state != PlayerCore::LoadState::Unloaded)
        return;
    if (m_owner) {
        m_bus.unregisterService(QLatin1String(kServiceName));
        m_owner = false;
    }
    m_pending.clear();
}

bool SingleInstance::Open(const QStringList& uris)
{
    if (!m_owner)
        return false;
    QStringList paths;
    for (const QString& uri : uris) {
        const QUrl url(uri);
        if (url.isLocalFile())
            paths << FileNameCodec::fromLocalUrl(url);
    }
    m_pending << paths;
    // Answered now; the files are opened once the call has returned.
    QTimer::singleShot(0, this, &SingleInstance::applyPending);
    return true;
}

void SingleInstance::applyPending()
{
    if (m_pending.isEmpty() || !m_window || !m_core)
        return;
    if (m_core->loadState() != PlayerCore::LoadState::Loaded) {
        QTimer::singleShot(kLoadPollMs, this, &SingleInstance::applyPending);
        return;
    }
    const QList<QStringList> requests = std::exchange(m_pending, {});
    for (const QStringList& paths : requests) {
        if (paths.isEmpty()) {
            m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
            m_window->show();
            m_window->raise();
            m_window->activateWindow();
        } else {
            m_core->sequencer().replaceAndPlay(DesktopIntegration::mediaEntries(paths));
        }
    }
}
