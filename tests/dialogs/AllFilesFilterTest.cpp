// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "*.*" in a type list means every file: Qt's own file dialog, given the
// player's type lists, lists a file without an extension under that choice.
#include "core/MediaFilter.h"
#include "dialogs/NamePatterns.h"
#include "dialogs/QtPrompts.h"
#include "dialogs/cDlgcom.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(NamePatternsForQt, EveryFileFollowsStarDotStar)
{
    const QList<std::pair<QStringList, QStringList>> cases = {
        {{"*.*"}, {"*.*", "*"}},
        {{"*.mp3", "*.*"}, {"*.mp3", "*.*", "*"}},
        {{"*.lst"}, {"*.lst"}},
        {{"*.*", "*"}, {"*.*", "*"}},
    };
    for (const auto& [given, expected] : cases)
        EXPECT_EQ(NamePatterns::forQtDialog(given), expected) << given.join(' ').toStdString();
}

// The names the open dialog lists in folder under one choice of filter.
QStringList listedUnder(const QString& filter, int choice, const QString& folder)
{
    QStringList listed;
    QTimer::singleShot(0, [&] {
        QFileDialog* dialog = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* d = qobject_cast<QFileDialog*>(top); d && d->isVisible())
                dialog = d;
        }
        if (!dialog)
            return;
        auto* view = dialog->findChild<QListView*>(QStringLiteral("listView"));
        const QDeadlineTimer deadline(5000);
        while (view && view->model()->rowCount(view->rootIndex()) < 1 && !deadline.hasExpired())
            QTest::qWait(20);
        // Let the model settle once it has started listing.
        QTest::qWait(200);
        if (view) {
            const QAbstractItemModel* model = view->model();
            for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
                const QModelIndex index = model->index(row, 0, view->rootIndex());
                if (model->flags(index) & Qt::ItemIsEnabled)
                    listed << index.data().toString();
            }
        }
        dialog->reject();
    });
    QtPrompts prompts;
    Prompts::FileRequest request;
    request.initialDir = folder;
    request.filters = cDlgcom::filtersFromText(filter);
    request.filterIndex = choice;
    EXPECT_FALSE(prompts.fileDialog(request).has_value());
    listed.sort();
    return listed;
}

TEST(AllFilesFilter, ListsAFileWithoutExtension)
{
    QTemporaryDir dir;
    for (const char* name : {"noext", "song.mp3", "list.lst"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString playlistFilter = QStringLiteral("List (*.lst) |*.lst| All files (*.*) |*.*");
    EXPECT_EQ(listedUnder(MediaFilter, 4, dir.path()), QStringList({"list.lst", "noext", "song.mp3"}));
    EXPECT_EQ(listedUnder(MediaFilter, 3, dir.path()), QStringList({"song.mp3"}));
    EXPECT_EQ(listedUnder(playlistFilter, 1, dir.path()), QStringList({"list.lst", "noext", "song.mp3"}));
    EXPECT_EQ(listedUnder(playlistFilter, 0, dir.path()), QStringList({"list.lst"}));
}

} // namespace
