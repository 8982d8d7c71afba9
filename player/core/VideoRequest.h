// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the core asks of the video window. The handlers that start media make
// these requests and the core passes them on to whoever shows the window.
enum class VideoRequest { Show, Hide, Repaint, Minimise };
