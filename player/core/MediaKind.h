// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The kind of a media, told from the end of its file name: the last three
// characters, upper-cased ("MPEG" on its last four). No dot is required, so
// "clipavi" counts as an AVI. Each decision about showing or hiding the video
// window uses one of these lists.
namespace MediaKind {

enum class List {
    AudioAtCreation, // MP3 WAV MID RMI WMA OGG: the video window hides when created
    AudioAtStart, // MP3 WAV MID RMI: play and the start of an entry hide the window
    NotShown, // MP3: loading the window or starting an entry shows it otherwise
    Video, // AVI ASF DAT MPG MPEG VOB: a repaint hides the window otherwise
};

bool endsIn(const QString& fileName, List list);

} // namespace MediaKind
