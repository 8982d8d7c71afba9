// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// cDlgcom over scripted dialogs: what reaches the dialog, and what the
// properties hold afterwards.
#include "dialogs/cDlgcom.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

using Filters = QList<Prompts::FileFilter>;

TEST(cDlgcom, FilterTextBecomesTheDialogsChoices)
{
    const QList<std::pair<QString, Filters>> cases = {
        { "List (*.lst) |*.lst| All files (*.*) |*.*",
            { { "List (*.lst) ", { "*.lst" } }, { " All files (*.*) ", { "*.*" } } } },
        { "Tous(*.*)|*.*", { { "Tous(*.*)", { "*.*" } } } },
        { "Média|*.mp3;*.wav; *.avi", { { "Média", { "*.mp3", "*.wav", "*.avi" } } } },
        { "Audio|*.mp3|Orphan",
            { { "Audio", { "*.mp3" } } } }, // a caption without patterns ends the list
        { "", {} },
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(cDlgcom::filtersFromText(text), expected) << text.toStdString();
}

TEST(cDlgcom, FreshInstanceGetsItsDefaults)
{
    ScriptedPrompts prompts;
    cDlgcom dialog;
    prompts.cancelFile();
    EXPECT_FALSE(dialog.ShowOpen());
    ASSERT_EQ(prompts.fileRequests.size(), 1);
    const Prompts::FileRequest& request = prompts.fileRequests.first();
    EXPECT_EQ(request.filters, Filters({ { "Tous(*.*)", { "*.*" } } }));
    EXPECT_EQ(request.filterIndex, 0);
    EXPECT_FALSE(request.save);
    EXPECT_TRUE(request.title.isEmpty());
    EXPECT_EQ(dialog.Filter(), QStringLiteral("Tous(*.*)|*.*"));
    EXPECT_EQ(dialog.FilterIndex(), 1);
}

TEST(cDlgcom, RequestCarriesTheProperties)
{
    ScriptedPrompts prompts;
    cDlgcom dialog;
    dialog.setFilter("A|*.a|B|*.b|C|*.c");
    dialog.setFilterIndex(2);
    dialog.setDialogTitle("Enregistrer");
    dialog.setInitDir("/home");
    dialog.setDefaultEx("lst");
    dialog.setFileName("liste");
    prompts.cancelFile();
    dialog.ShowSave();
    const Prompts::FileRequest& request = prompts.fileRequests.first();
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.title, QStringLiteral("Enregistrer"));
    EXPECT_EQ(request.initialDir, QStringLiteral("/home"));
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("lst"));
    EXPECT_EQ(request.fileName, QStringLiteral("liste"));
}

TEST(cDlgcom, ChosenFileFillsNameTitleAndFolder)
{
    struct Case {
        QString chosen;
        QString title;
        QString folder;
    };
    const QList<Case> cases = {
        { "/home/u/Music/a.mp3", "a.mp3", "/home/u/Music" },
        { "/a.mp3", "a.mp3", "" }, // the root folder, without its "/"
        { "/home/u/b c,d.lst", "b c,d.lst", "/home/u" },
    };
    for (const Case& c : cases) {
        ScriptedPrompts prompts;
        cDlgcom dialog;
        dialog.setFlags(0x7FFFFFFF);
        prompts.chooseFile(c.chosen);
        ASSERT_TRUE(dialog.ShowOpen());
        EXPECT_EQ(dialog.FileName(), c.chosen);
        EXPECT_EQ(dialog.FileTitle(), c.title);
        EXPECT_EQ(dialog.Folder(), c.folder);
        EXPECT_EQ(dialog.Flags(), 0x1FF1F); // hook and template bits never reach the dialog
    }
}

TEST(cDlgcom, CancelClearsTheResults)
{
    ScriptedPrompts prompts;
    cDlgcom dialog;
    prompts.chooseFile("/x/first.mp3");
    ASSERT_TRUE(dialog.ShowOpen());
    dialog.setFileName("/x/preset.mp3");
    dialog.setFlags(4);
    prompts.cancelFile();
    EXPECT_FALSE(dialog.ShowSave());
    EXPECT_EQ(dialog.FileName(), QString());
    EXPECT_EQ(dialog.FileTitle(), QString());
    EXPECT_EQ(dialog.Flags(), 0);
    EXPECT_EQ(dialog.Folder(), QStringLiteral("/x"));
    EXPECT_EQ(dialog.LastError(), cDlgcom::Error::None);
}

TEST(cDlgcom, NameLongerThanThePathLimitIsRefusedWithoutADialog)
{
    ScriptedPrompts prompts;
    cDlgcom dialog;
    const QString longest
        = QLatin1Char('/') + QString(cDlgcom::kMaxPathBytes - 1, QLatin1Char('a'));
    // Two bytes a character in UTF-8: 2049 "é" are 4098 bytes.
    const QList<std::pair<QString, bool>> cases = {
        { longest, true },
        { longest + QLatin1Char('a'), false },
        { QString(2049, QChar(0xE9)), false },
    };
    for (const auto& [name, shown] : cases) {
        prompts.fileRequests.clear();
        dialog.setFileName(name);
        prompts.cancelFile();
        EXPECT_FALSE(dialog.ShowOpen());
        EXPECT_EQ(prompts.fileRequests.size(), shown ? 1 : 0);
        EXPECT_EQ(dialog.LastError(), shown ? cDlgcom::Error::None : cDlgcom::Error::NameTooLong);
        if (!shown) {
            EXPECT_EQ(dialog.FileName(), name);
        }
        prompts.files.clear();
    }
}

TEST(cDlgcom, FolderPicker)
{
    ScriptedPrompts prompts;
    cDlgcom dialog;
    dialog.setDialogTitle("Choisissez un répertoire");
    prompts.folders.enqueue(QStringLiteral("/media/music"));
    EXPECT_TRUE(dialog.ShowOpenFolder());
    EXPECT_EQ(dialog.Folder(), QStringLiteral("/media/music"));
    EXPECT_EQ(prompts.folderPrompts, QStringList({ "Choisissez un répertoire" }));
    prompts.folders.enqueue(std::nullopt);
    EXPECT_FALSE(dialog.ShowOpenFolder());
    EXPECT_EQ(dialog.Folder(), QStringLiteral("/media/music"));
}
