// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Files from the command line replace the playlist once the main window has
// finished loading, and the first one starts; without files nothing changes.
#include "support/TestMain.h"
#include "support/Controls.h"
#include "DesktopFixture.h"

#include "core/MediaEngine.h"
#include "core/PlaylistModel.h"
#include "desktop/DesktopIntegration.h"
#include "desktop/MprisService.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QListView>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// Stands in for the main window's load: on the show it lets pending events run
// (as the balance handler does) and then restores the last playlist.
class LoadAtShow : public QObject {
public:
    explicit LoadAtShow(frmMain& window)
        : m_window(window)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !m_done) {
            m_done = true;
            QCoreApplication::processEvents();
            m_window.core().playlist().Clear();
            m_window.core().playlist().AppendMany({ QStringLiteral("/restauré/1.mp3"),
                                             QStringLiteral("/restauré/2.mp3") });
        }
        return false;
    }

private:
    frmMain& m_window;
    bool m_done = false;
};

class CommandLineFiles : public ::testing::Test, public DesktopFixture {
protected:
    std::unique_ptr<DesktopIntegration> startWith(const QStringList& files)
    {
        LoadAtShow* load = new LoadAtShow(*window);
        load->setParent(window.get());
        auto desktop = std::make_unique<DesktopIntegration>(window->core(), *window,
            QList<QWidget*> { control<QListView>(*window, "lstPlay")->viewport() }, QStringList { QStringLiteral("velkor-player") } + files);
        window->show();
        return desktop;
    }
};

TEST_F(CommandLineFiles, ReplaceTheRestoredPlaylistInOrderAndStartTheFirst)
{
    const QString b = makeFile(QStringLiteral("b.mp3"));
    const QString a = makeFile(QStringLiteral("a.avi"));
    const QString folderFile = makeFile(QStringLiteral("dossier/c.wav"));
    auto desktop = startWith({ b, QUrl::fromLocalFile(a).toString(),
                               scratch.filePath(QStringLiteral("dossier")) });

    EXPECT_TRUE(waitInEventLoop([&] { return window->core().playlist().Count() == 3; }));
    EXPECT_EQ(window->core().playlist().Entries(), QStringList({ b, a, folderFile }));
    EXPECT_EQ(window->core().playlist().ListIndex(), 0);
    // Start hands the first entry to the engine.
    EXPECT_EQ(window->engine().FileName(), b);
    EXPECT_EQ(window->core().playlist().CurrentTrack(), 0);
}

// A .lst given as a file manager or a terminal gives it is the playlist, as
// "&Charger" loads it, not a track.
TEST_F(CommandLineFiles, PlaylistFileIsLoadedAsThePlaylistAndItsFirstEntryStarts)
{
    const QString list = makeFile(QStringLiteral("soirée.LST"));
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"/musique/un.mp3\"\r\n\"-\"\r\n\"/vidéo/deux.avi\"\r\n");
    file.close();
    auto desktop = startWith({ list });

    const QStringList listed { QStringLiteral("/musique/un.mp3"), QStringLiteral("-"),
        QStringLiteral("/vidéo/deux.avi") };
    EXPECT_TRUE(waitInEventLoop([&] { return window->core().playlist().Count() == 3; }));
    EXPECT_EQ(window->core().playlist().Entries(), listed);
    EXPECT_EQ(window->engine().FileName(), listed.first());
    EXPECT_EQ(window->core().playlist().CurrentTrack(), 0);
}

TEST_F(CommandLineFiles, WithoutFilesNothingChangesAndNothingPlays)
{
    const QString missing = scratch.filePath(QStringLiteral("absent.mp3"));
    for (const QStringList& arguments : { QStringList {}, QStringList { missing } }) {
        window = std::make_unique<TestMain>([this] {
            auto engine = std::make_unique<FakeEngine>();
            fake = engine.get();
            return engine;
        });
        fake = nullptr;
        auto desktop = startWith(arguments);
        waitInEventLoop([] { return false; }, 200);
        EXPECT_EQ(window->core().playlist().Entries(),
                  QStringList({ QStringLiteral("/restauré/1.mp3"), QStringLiteral("/restauré/2.mp3") }))
            << arguments.join(u' ').toStdString();
        EXPECT_TRUE(fake == nullptr || fake->callsStartingWith(QStringLiteral("setFileName")).isEmpty());
    }
}

TEST(Mpris, WithoutSessionBusThePlayerRunsWithoutIt)
{
    DesktopFixture fixture;
    EXPECT_EQ(MprisService::start(fixture.window->core(), *fixture.window, QDBusConnection(QStringLiteral("absent"))),
              nullptr);
}

} // namespace
