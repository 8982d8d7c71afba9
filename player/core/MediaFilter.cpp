// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MediaFilter.h"

#include "dialogs/cDlgcom.h"

QString chooseMediaFile(Prompts& prompts, QWidget* owner)
{
    cDlgcom dialog(prompts);
    dialog.sethdcOwner(owner);
    dialog.setFileName(QString());
    dialog.setFilter(MediaFilter);
    dialog.ShowOpen();
    return dialog.FileName();
}
