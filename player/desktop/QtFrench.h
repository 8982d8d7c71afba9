// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QCoreApplication;

// Qt's own texts (file dialogs, button boxes, message box buttons, the line
// edit's and the menus' shortcut names) in French, whatever the user's locale,
// so that they speak the same language as the player's windows.
class QtFrench {
public:
    // Loads qtbase_fr from folder into app and makes French the default
    // locale. Returns false, and leaves app as it was, when the translation
    // cannot be read: Qt then shows its English texts and the player runs on.
    static bool install(QCoreApplication& app, const QString& folder = translationsFolder());

    // Where the system keeps Qt's translations.
    static QString translationsFolder();
};
