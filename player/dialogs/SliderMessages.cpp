// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/SliderMessages.h"

#include "dialogs/Prompts.h"

void SliderMessages::showMessage(QWidget* owner, const QString& text, const QString& title,
                                 Icon icon)
{
    Prompts::current().message(owner, text, title, Prompts::Buttons::Ok,
                               icon == Icon::Error ? Prompts::Icon::Error : Prompts::Icon::None);
}

void SliderMessages::installOnce()
{
    static SliderMessages sink;
    sarv::MessageSink::install(&sink);
}
