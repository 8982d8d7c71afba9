// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drops on the main window or the playlist append files as "Ajouter un
// fichier" and folders as "Ajouter un répertoir" would, and start nothing.
#include "DesktopFixture.h"
#include "support/Controls.h"

#include "core/PlaylistModel.h"
#include "desktop/DesktopIntegration.h"
#include "desktop/DropHandler.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QListView>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

QList<QUrl> toUrls(const QStringList& paths)
{
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    return urls;
}

bool dragAccepted(QWidget* target, const QMimeData& data)
{
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(target, &enter);
    return enter.isAccepted();
}

void drop(QWidget* target, const QMimeData& data)
{
    QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

class DropTest : public ::testing::Test, public DesktopFixture {
protected:
    DropTest() { new DropHandler(window->core(), *window, { control<QListView>(*window, "lstPlay")->viewport() }); }

    // A folder holding media of several kinds, plus what the scan must leave out.
    QString makeMediaFolder()
    {
        makeFile(QStringLiteral("dossier/b.avi"));
        makeFile(QStringLiteral("dossier/a.mp3"));
        makeFile(QStringLiteral("dossier/c.dat"));
        makeFile(QStringLiteral("dossier/B2.MP3"));
        makeFile(QStringLiteral("dossier/clip.mpeg"));
        makeFile(QStringLiteral("dossier/.cachée.mp3"));
        makeFile(QStringLiteral("dossier/notes.txt"));
        QDir().mkpath(scratch.filePath(QStringLiteral("dossier/sous-dossier.mp3")));
        makeFile(QStringLiteral("dossier/sous-dossier.mp3/d.mp3"));
        return scratch.filePath(QStringLiteral("dossier"));
    }
};

TEST_F(DropTest, FolderGivesItsMediaInScanOrderAndFilesStandForThemselves)
{
    const QString folder = makeMediaFolder();
    const QString notes = scratch.filePath(QStringLiteral("dossier/notes.txt"));
    QMimeData data;
    data.setUrls(toUrls({ notes, folder }));

    const QList<QWidget*> targets = { window.get(), control<QListView>(*window, "lstPlay")->viewport() };
    for (QWidget* target : targets) {
        window->core().playlist().Clear();
        window->core().playlist().Append(QStringLiteral("/déjà/là.mp3"));
        ASSERT_TRUE(dragAccepted(target, data));
        drop(target, data);
        const QString f = folder + u'/';
        EXPECT_EQ(window->core().playlist().Entries(),
                  QStringList({ QStringLiteral("/déjà/là.mp3"), notes, f + "c.dat", f + "b.avi",
                                f + "a.mp3", f + "B2.MP3", f + "clip.mpeg" }));
    }
    // Adding never plays: the engine was not given a file.
    EXPECT_TRUE(fake == nullptr || fake->callsStartingWith(QStringLiteral("setFileName")).isEmpty());
}

TEST_F(DropTest, WhatCannotBeAddedIsRefusedOrSkipped)
{
    const QString real = makeFile(QStringLiteral("réel.mp3"));
    struct Case {
        const char* name;
        std::function<void(QMimeData&)> fill;
        bool accepted;
        QStringList added;
    };
    const std::vector<Case> cases = {
        { "text only", [](QMimeData& d) { d.setText(QStringLiteral("/m/a.mp3")); }, false, {} },
        { "remote URL", [](QMimeData& d) { d.setUrls({ QUrl(QStringLiteral("https://example.org/a.mp3")) }); },
          false, {} },
        { "missing file among real ones",
          [&](QMimeData& d) { d.setUrls(toUrls({ scratch.filePath(QStringLiteral("absent.mp3")), real })); },
          true, { real } },
        { "empty folder", [&](QMimeData& d) {
              QDir().mkpath(scratch.filePath(QStringLiteral("vide")));
              d.setUrls(toUrls({ scratch.filePath(QStringLiteral("vide")) }));
          }, true, {} },
    };
    for (const Case& c : cases) {
        window->core().playlist().Clear();
        QMimeData data;
        c.fill(data);
        EXPECT_EQ(dragAccepted(window.get(), data), c.accepted) << c.name;
        drop(window.get(), data);
        EXPECT_EQ(window->core().playlist().Entries(), c.added) << c.name;
    }
}

TEST_F(DropTest, FolderWithTrailingSlashGivesNoDoubledSlash)
{
    const QString file = makeFile(QStringLiteral("fin/x.wav"));
    const QString folder = scratch.filePath(QStringLiteral("fin/"));
    EXPECT_EQ(DesktopIntegration::folderMediaEntries(folder), QStringList { file });
    EXPECT_EQ(DesktopIntegration::folderMediaEntries(scratch.filePath(QStringLiteral("fin"))),
              QStringList { file });
}

} // namespace
