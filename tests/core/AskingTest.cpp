// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every question the core asks the user goes to the prompts it was handed,
// never to the prompts in force for the windows' own dialogs.
#include "CoreHarness.h"

#include "core/MediaAdder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

TEST(Asking, EveryQuestionGoesToTheHandedPrompts)
{
    // A video CD whose only track does not open: playing it at once tells
    // the engine's error.
    QTemporaryDir disc;
    ASSERT_TRUE(QDir(disc.path()).mkpath(QStringLiteral("mpegav")));
    const QString track = disc.path() + QStringLiteral("/mpegav/avseq01.dat");
    QFile trackFile(track);
    ASSERT_TRUE(trackFile.open(QIODevice::WriteOnly));
    trackFile.close();

    struct Case {
        const char* name;
        QStringList entries;
        std::function<void(Harness&)> ask;
        int messages;
        int fileDialogs;
        int folderDialogs;
    };
    const Case cases[] = {
        { "a break entry", { QStringLiteral("-") }, [](Harness& h) { h.start(0); }, 1, 0, 0 },
        { "open", {}, [](Harness& h) { h.transport().cmdOpen_Click(); }, 0, 1, 0 },
        { "add a file", {}, [](Harness& h) { h.core.adder().mnuFile_Click(); }, 0, 1, 0 },
        { "add a folder", {}, [](Harness& h) { h.core.adder().mnuAddDir_Click(); }, 0, 0, 1 },
        { "play a disc that fails", {},
            [&](Harness& h) {
                h.core.setVcdDrive(disc.path() + QLatin1Char('/'));
                h.fake->failing << track;
                h.core.adder().mnuAutoVCD_Click();
            },
            1, 0, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedPrompts inForce;
        Harness h(c.entries);
        c.ask(h);
        EXPECT_EQ(h.prompts.messages.size(), c.messages);
        EXPECT_EQ(h.prompts.fileRequests.size(), c.fileDialogs);
        EXPECT_EQ(h.prompts.folderPrompts.size(), c.folderDialogs);
        EXPECT_TRUE(inForce.messages.isEmpty());
        EXPECT_TRUE(inForce.fileRequests.isEmpty());
        EXPECT_TRUE(inForce.folderPrompts.isEmpty());
    }
}
