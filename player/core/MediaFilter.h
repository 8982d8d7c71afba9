// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The type list of the add-file and open-file dialogs, in the dialog wrapper's
// form of descriptions and pattern lists separated by vertical bars.
inline const QString MediaFilter = QStringLiteral(
    "Tous les fichiers Velkor (*.dat, *.mp3, *.mpeg, *.mpg, *.avi, *.wav, *.cda, *.mid, *.wma )"
    "|*.dat;*.mp3;*.mpeg;*.mpg;*.avi;*.wma;*.wav;*.cda;*.mid;*.asf"
    "|Video CD (*.dat) |*.dat| AVI Video (*.avi) |*.avi|Fichiers MP3|*.mp3"
    "|Tous les fichiers (*.*) |*.*");

// The folder scan's patterns, in the order they are visited.
inline const QStringList ScanPatterns = { QStringLiteral("*.dat"), QStringLiteral("*.avi"),
                                          QStringLiteral("*.mp3"), QStringLiteral("*.mpg"),
                                          QStringLiteral("*.wav"), QStringLiteral("*.mpeg"),
                                          QStringLiteral("*.wma") };

class Prompts;
class QWidget;

// Asks for one media file with the media type list, through prompts; "" when
// the person cancelled.
QString chooseMediaFile(Prompts& prompts, QWidget* owner);
