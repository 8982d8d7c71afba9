// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MediaFilter.h"

#include "dialogs/cDlgcom.h"

QString chooseMediaFile(QWidget* owner)
{
    cDlgcom dialog;
    dialog.sethdcOwner(owner);
    dialog.setFileName(QString());
    dialog.setFilter(MediaFilter);
    dialog.ShowOpen();
    return dialog.FileName();
}
