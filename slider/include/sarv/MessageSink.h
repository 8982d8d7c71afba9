// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <sarv/sarv_export.h>

#include <QString>

class QWidget;

namespace sarv {

// Where the library's message boxes go. The default shows a QMessageBox with an
// OK button; a host or a test installs its own to route or record them.
class SARV_EXPORT MessageSink {
public:
    enum class Icon { None, Error };

    virtual ~MessageSink();
    virtual void showMessage(QWidget* owner, const QString& text, const QString& title,
                             Icon icon) = 0;

    // The sink in use: the installed one, else the QMessageBox one.
    static MessageSink& current();
    // Installs sink (nullptr restores the default); the caller keeps ownership.
    static void install(MessageSink* sink);

    // Title of boxes that name no title of their own: the library's display name.
    static QString defaultTitle();
};

} // namespace sarv
