// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/AccessibleNames.h"

#include "gui/VelkorCmd.h"
#include "gui/frmMain.h"
#include "gui/frmPlayer.h"

#include <sarv/Variateur.h>

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QToolButton>

#include <utility>

namespace {

// The player's windows are plain widgets, which assistive technology would
// see as unnamed filler; they are windows (About a dialog).
QAccessibleInterface* windowInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->isWindow())
        return nullptr;
    if (className == QLatin1String("frmAbout"))
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    if (className == QLatin1String("frmMain") || className == QLatin1String("frmPlayer"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

namespace AccessibleNames {

void apply(frmMain& main)
{
    QAccessible::installFactory(&windowInterface);
    main.setAccessibleName(QStringLiteral("Velkor Player"));

    const std::pair<QWidget*, const char*> names[] = {
        { main.cmdAbt, "À propos de Velkor Player" },
        { main.txtTitle, "Titre" },
        { main.cmdFull, "Taille de la vidéo" },
        { main.scrlVol, "Volume" },
        { main.scrlBal, "Balance" },
        { main.scrlTime, "Position" },
        { main.cmdBack, "Piste précédente" },
        { main.cmdPlay, "Lire" },
        { main.cmdPause, "Pause" },
        { main.cmdStop, "Arrêt" },
        { main.cmdForward, "Piste suivante" },
        { main.cmdOpen, "Ouvrir" },
        { main.lstPlay, "Liste de lecture" },
    };
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(QString::fromUtf8(name));
    // Controls whose tooltip already says what they do in words.
    QWidget* const byTooltip[] = { main.Minimised, main.Closed, main.chkRepeat, main.chkSuffle,
        main.chkPlay };
    for (QWidget* widget : byTooltip)
        widget->setAccessibleName(widget->toolTip());
    // The mute button's caption is its state.
    main.Check1->setCaptionNames({ { QStringLiteral("U"), QStringLiteral("Couper le son") },
        { QStringLiteral("V"), QStringLiteral("Rétablir le son") } });
    // The time labels are named by their text; this says which time it is.
    main.lblTime->setAccessibleDescription(QStringLiteral("Temps écoulé ou restant"));
    main.lblDuration->setAccessibleDescription(QStringLiteral("Durée"));
}

void apply(frmPlayer& video)
{
    video.setAccessibleName(QStringLiteral("Vidéo"));
}

} // namespace AccessibleNames
