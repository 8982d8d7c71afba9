// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/QtPrompts.h"

#include "dialogs/NamePatterns.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QString nameFilter(const Prompts::FileFilter& filter)
{
    // Qt reads the patterns from the last parentheses of a filter. A
    // description that already ends with its own "(*.lst)" would show it twice,
    // so that group is replaced by the patterns actually in force.
    QString description = filter.description.trimmed();
    if (description.endsWith(QLatin1Char(')'))) {
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open >= 0)
            description = description.left(open).trimmed();
    }
    const QString patterns = NamePatterns::forQtDialog(filter.patterns).join(QLatin1Char(' '));
    return description.isEmpty() ? QStringLiteral("(%1)").arg(patterns)
                                 : QStringLiteral("%1 (%2)").arg(description, patterns);
}

// A prompt asked for by the core names no window: it belongs to the window
// the user is working in.
QWidget* ownerOr(QWidget* owner)
{
    return owner ? owner : QApplication::activeWindow();
}

} // namespace

void QtPrompts::installAsDefault()
{
    static QtPrompts qt;
    Prompts::setDefault(&qt);
}

Prompts::Answer QtPrompts::message(
    QWidget* owner, const QString& text, const QString& title, Buttons buttons, Icon icon)
{
    QMessageBox box(ownerOr(owner));
    box.setText(text);
    box.setWindowTitle(title);
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    }
    if (buttons == Buttons::OkCancel)
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    else
        box.setStandardButtons(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<Prompts::FileResult> QtPrompts::fileDialog(const FileRequest& request)
{
    QFileDialog dialog(ownerOr(request.owner), request.title, request.initialDir);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // Saving onto an existing file replaces it without a question; the write
    // itself is atomic, so the old file stays whole until the new one is.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, request.save);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    QStringList filters;
    for (const FileFilter& f : request.filters)
        filters << nameFilter(f);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (request.filterIndex >= 0 && request.filterIndex < filters.size())
            dialog.selectNameFilter(filters.at(request.filterIndex));
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FileResult { dialog.selectedFiles().constFirst(),
        std::max<int>(0, filters.indexOf(dialog.selectedNameFilter())) };
}

std::optional<QString> QtPrompts::folderDialog(
    QWidget* owner, const QString& prompt, const QString& startDir)
{
    const QString folder = QFileDialog::getExistingDirectory(ownerOr(owner), prompt, startDir);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}
