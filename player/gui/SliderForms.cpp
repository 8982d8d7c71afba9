// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/SliderForms.h"

#include "gui/frmMain.h"

#include <sarv/PropertyBag.h>
#include <sarv/Variateur.h>

#include <QFile>

// The resource lives in the player's static library; registering it here also
// keeps the linker from dropping it. Q_INIT_RESOURCE must sit outside any
// namespace.
static int initSlidersResource()
{
    Q_INIT_RESOURCE(sliders);
    return 1;
}

static void registerResource()
{
    static const int registered = initSlidersResource();
    (void)registered;
}

namespace SliderForms {

bool load(sarv::Variateur& slider, const QString& name)
{
    registerResource();
    QFile file(QStringLiteral(":/sliders/%1.txt").arg(name));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    return slider.ReadProperties(sarv::PropertyBag::fromText(text));
}

void load(frmMain& main)
{
    const std::pair<sarv::Variateur*, const char*> sliders[] = {
        { main.scrlTime, "scrlTime" },
        { main.scrlVol, "scrlVol" },
        { main.scrlBal, "scrlBal" },
    };
    for (const auto& [slider, name] : sliders) {
        if (slider)
            load(*slider, QString::fromLatin1(name));
    }
}

} // namespace SliderForms
