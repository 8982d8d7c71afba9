// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/Prompts.h"

namespace {

// With no window system there is nobody to ask: every question is cancelled.
class NobodyPrompts : public Prompts {
public:
    Answer message(QWidget*, const QString&, const QString&, Buttons, Icon) override
    {
        return Answer::Cancel;
    }
    std::optional<FileResult> fileDialog(const FileRequest&) override { return std::nullopt; }
    std::optional<QString> folderDialog(QWidget*, const QString&, const QString&) override
    {
        return std::nullopt;
    }
};

Prompts* g_current = nullptr;
Prompts* g_default = nullptr;

} // namespace

Prompts& Prompts::current()
{
    static NobodyPrompts nobody;
    if (g_current)
        return *g_current;
    return g_default ? *g_default : nobody;
}

void Prompts::setCurrent(Prompts* prompts)
{
    g_current = prompts;
}

void Prompts::setDefault(Prompts* prompts)
{
    g_default = prompts;
}
