// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/EngineHost.h"

EngineHost::EngineHost(Factory factory, QObject* parent)
    : QObject(parent)
    , m_factory(std::move(factory))
{
}

EngineHost::~EngineHost()
{
    release();
}

MediaEngine& EngineHost::engine()
{
    if (!m_engine)
        m_engine = m_factory();
    return *m_engine;
}

void EngineHost::release()
{
    if (!m_engine)
        return;
    m_engine.reset();
}
