// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#include <sarv/MessageSink.h>

#include <sarv/Library.h>

#include <QMessageBox>

namespace sarv {

namespace {

class MessageBoxSink : public MessageSink {
public:
    void showMessage(QWidget* owner, const QString& text, const QString& title,
                     Icon icon) override
    {
        QMessageBox box(icon == Icon::Error ? QMessageBox::Critical : QMessageBox::NoIcon, title,
                        text, QMessageBox::Ok, owner);
        box.exec();
    }
};

MessageSink* g_installed = nullptr;

} // namespace

MessageSink::~MessageSink() = default;

MessageSink& MessageSink::current()
{
    static MessageBoxSink defaultSink;
    return g_installed ? *g_installed : defaultSink;
}

void MessageSink::install(MessageSink* sink)
{
    g_installed = sink;
}

QString MessageSink::defaultTitle()
{
    return libraryName();
}

} // namespace sarv
