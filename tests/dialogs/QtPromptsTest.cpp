// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Qt's own dialogs as the player shows them: in French, read from the dialog's
// widgets while it is open, and a save onto an existing file that asks nothing.
#include "desktop/QtFrench.h"
#include "support/Controls.h"
#include "dialogs/Prompts.h"
#include "dialogs/QtPrompts.h"
#include "dialogs/cDlgcom.h"
#include "core/PlaylistModel.h"
#include "gui/VelkorCmd.h"
#include "support/FakeEngine.h"
#include "support/TestMain.h"

#include <QAbstractButton>
#include <QDir>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Watches for modal windows while the code under test waits on one: each one
// that opens is handed to the handler once, which should close it. A window
// still open after its handler has run is rejected, so that a test fails
// instead of waiting forever.
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(QWidget*)> handler)
        : m_handler(std::move(handler))
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    QList<QString> seen; // class names of the modal windows, in order

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (!m_handed.contains(modal)) {
            m_handed << modal;
            seen << QString::fromLatin1(modal->metaObject()->className());
            // Run outside the timer's slot: the handler may open a nested loop.
            QTimer::singleShot(0, modal, [this, modal] {
                m_handler(modal);
                m_done << modal;
            });
        } else if (m_done.contains(modal)) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        }
    }

    std::function<void(QWidget*)> m_handler;
    QTimer m_timer;
    QList<QPointer<QWidget>> m_handed;
    QList<QPointer<QWidget>> m_done;
};

QString textOf(QWidget* dialog, const char* name)
{
    if (auto* label = dialog->findChild<QLabel*>(QLatin1String(name)))
        return label->text();
    return QStringLiteral("<no %1>").arg(QLatin1String(name));
}

QStringList buttonTexts(QWidget* dialog)
{
    QStringList texts;
    if (auto* box = dialog->findChild<QDialogButtonBox*>())
        for (QAbstractButton* button : box->buttons())
            texts << button->text();
    return texts;
}

class QtPromptsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(QtFrench::install(*qApp)) << "qtbase_fr in " << QtFrench::translationsFolder().toStdString();
        QtPrompts::installAsDefault();
    }

    void SetUp() override { Prompts::setCurrent(nullptr); }
};

struct DialogCase {
    const char* what;
    std::function<void()> open;
    QString title;
    QList<std::pair<const char*, QString>> labels; // object name, text
    QStringList buttons;
};

TEST_F(QtPromptsTest, FileAndFolderDialogsSpeakFrench)
{
    const DialogCase cases[] = {
        { "open",
            [] {
                cDlgcom d;
                d.setFilter(QStringLiteral("List (*.lst) |*.lst| All files (*.*) |*.*"));
                d.ShowOpen();
            },
            QStringLiteral("Ouvrir"),
            { { "lookInLabel", QStringLiteral("Voir dans :") },
                { "fileNameLabel", QStringLiteral("&Nom de fichier :") },
                { "fileTypeLabel", QStringLiteral("Fichiers de type :") } },
            { QStringLiteral("&Ouvrir"), QStringLiteral("Annuler") } },
        { "save",
            [] {
                cDlgcom d;
                d.setFilter(QStringLiteral("List (*.lst) |*.lst| All files (*.*) |*.*"));
                d.ShowSave();
            },
            QStringLiteral("Enregistrer sous"),
            { { "lookInLabel", QStringLiteral("Voir dans :") },
                { "fileNameLabel", QStringLiteral("&Nom de fichier :") },
                { "fileTypeLabel", QStringLiteral("Fichiers de type :") } },
            { QStringLiteral("&Enregistrer"), QStringLiteral("Annuler") } },
        { "folder",
            [] {
                cDlgcom d;
                d.ShowOpenFolder();
            },
            QString(),
            { { "lookInLabel", QStringLiteral("Voir dans :") },
                { "fileNameLabel", QStringLiteral("Dossier :") } },
            { QStringLiteral("&Choisir"), QStringLiteral("Annuler") } },
    };
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(c.what);
        QString title;
        QList<std::pair<const char*, QString>> labels;
        QStringList buttons;
        ModalWatcher watcher([&](QWidget* dialog) {
            title = dialog->windowTitle();
            for (const auto& [name, text] : c.labels)
                labels.append({ name, textOf(dialog, name) });
            buttons = buttonTexts(dialog);
            static_cast<QDialog*>(dialog)->reject();
        });
        c.open();
        ASSERT_EQ(watcher.seen, QList<QString> { QStringLiteral("QFileDialog") });
        if (!c.title.isNull()) {
            EXPECT_EQ(title, c.title);
        }
        EXPECT_EQ(labels, c.labels);
        buttons.sort();
        QStringList expected = c.buttons;
        expected.sort();
        EXPECT_EQ(buttons, expected);
    }
}

TEST_F(QtPromptsTest, FolderTypeInTheDialogsListSpeaksFrench)
{
    // The "Type" column of the file list; a file's type comes from the MIME
    // database in the default locale's language instead.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(dir.path())), QStringLiteral("Dossier"));
}

TEST_F(QtPromptsTest, MessageBoxButtonsSpeakFrench)
{
    QStringList buttons;
    ModalWatcher watcher([&](QWidget* box) {
        buttons = buttonTexts(box);
        static_cast<QDialog*>(box)->reject();
    });
    Prompts::current().message(nullptr, QStringLiteral("Changer de CD"), QStringLiteral("Pause"),
        Prompts::Buttons::OkCancel, Prompts::Icon::Information);
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList { QStringLiteral("Annuler"), QStringLiteral("OK") }));
}

TEST_F(QtPromptsTest, SaveOntoAnExistingFileReplacesItWithoutAQuestion)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("liste.lst"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("\"/old/one.mp3\"\r\n\"/old/two.mp3\"\r\n\"/old/three.mp3\"\r\n");
    }
    TestMain main([] { return std::make_unique<FakeEngine>(); });
    main.core().playlist().Append(QStringLiteral("/m/a.mp3"));
    main.core().playlist().Append(QStringLiteral("/m/b c.mp3"));

    ModalWatcher watcher([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            // The person types the existing file's name and presses Save.
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(path);
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog's own is protected
        } else if (auto* box = qobject_cast<QDialog*>(modal)) {
            box->reject(); // a question: the test fails on it below
        }
    });
    control<VelkorCmd>(main, "cmdAPlayList", 2)->click();

    EXPECT_EQ(watcher.seen, QList<QString> { QStringLiteral("QFileDialog") });
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("\"/m/a.mp3\"\r\n\"/m/b c.mp3\"\r\n"));
    // The write went through a temporary file that is gone now.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("liste.lst") });
}

TEST(QtFrench, MissingTranslationLeavesTheApplicationAsItWas)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    const QLocale before;
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    EXPECT_FALSE(QtFrench::install(*qApp, empty.path()));
    EXPECT_FALSE(QtFrench::install(*qApp, empty.filePath(QStringLiteral("nowhere"))));
    EXPECT_EQ(QLocale(), before);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
}

} // namespace
