// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/CommandLine.h"

#include "core/FileNameCodec.h"

#include <QDir>
#include <QRegularExpression>
#include <QUrl>

#include <cstdio>

namespace {

// A file:// URI becomes its local path; other schemes are not played.
// Anything without a scheme is a path, even when it contains a colon.
std::optional<QString> localPath(const QString& argument, const QString& workingFolder)
{
    if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        // Only this machine's files: no host, or "localhost".
        const QUrl url(argument);
        const QString host = url.host();
        // "file:name" has a relative path, which would be resolved against the
        // player's own folder rather than the caller's: refused like other URIs.
        if (!url.isValid() || !url.isLocalFile() || !url.path().startsWith(QLatin1Char('/'))
            || !(host.isEmpty() || host == QLatin1String("localhost")))
            return std::nullopt;
        return QDir::cleanPath(FileNameCodec::fromLocalUrl(url));
    }
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    if (scheme.match(argument).hasMatch())
        return std::nullopt;
    // Joined by hand: QDir takes a name that starts with ":" for one of the
    // program's own resources and would leave it relative.
    if (argument.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(argument);
    return QDir::cleanPath(workingFolder + QLatin1Char('/') + argument);
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments, const QString& workingFolder)
{
    CommandLine result;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument.isEmpty())
            continue;
        if (!optionsEnded && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            if (argument == QLatin1String("--")) {
                optionsEnded = true;
            } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
                return CommandLine { Action::Help, {}, {} };
            } else if (argument == QLatin1String("--version")) {
                return CommandLine { Action::Version, {}, {} };
            } else {
                result.warnings << QStringLiteral("velkor-player : option inconnue ignorée : %1")
                                       .arg(argument);
            }
            continue;
        }
        if (const auto path = localPath(argument, workingFolder))
            result.paths << *path;
        else
            result.warnings
                << QStringLiteral("velkor-player : seuls les fichiers locaux sont lus, ignoré : %1")
                       .arg(argument);
    }
    return result;
}

std::optional<int> CommandLine::answerInfoRequest(const QStringList& arguments)
{
    const CommandLine commandLine = parse(arguments, QDir::currentPath());
    QString text;
    if (commandLine.action == Action::Help)
        text = helpText();
    else if (commandLine.action == Action::Version)
        text = versionText();
    else
        return std::nullopt;
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
    return 0;
}

QStringList CommandLine::arguments(int argc, char** argv)
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << FileNameCodec::decode(argv[i]);
    return list;
}

QString CommandLine::helpText()
{
    return QStringLiteral(
        "Utilisation : velkor-player [OPTION]... [FICHIER]...\n"
        "Lecteur multimédia Velkor Player.\n"
        "\n"
        "Les fichiers donnés (chemins ou adresses file://) remplacent la liste de\n"
        "lecture, dans l'ordre, et le premier est lu dès le démarrage terminé.\n"
        "Un répertoire donne ses fichiers multimédia, comme « Ajouter un répertoir ».\n"
        "Sans fichier, la liste de lecture précédente est reprise et rien n'est lu.\n"
        "Tout argument après « -- », et tout fichier existant, est un fichier,\n"
        "même s'il commence par un tiret.\n"
        "\n"
        "Dans une session Wayland, le lecteur s'affiche comme client X11 (Xwayland) :\n"
        "il place ses fenêtres, les garde au premier plan et leur donne une forme,\n"
        "ce que Wayland ne permet pas. QT_QPA_PLATFORM ou l'option de Qt\n"
        "« -platform NOM » (avant « -- ») choisissent une autre plateforme.\n"
        "\n"
        "Options :\n"
        "  -h, --help     affiche cette aide et quitte\n"
        "      --version  affiche la version et quitte\n");
}

QString CommandLine::versionText()
{
    return QStringLiteral(
        "Velkor Player version %1\n"
        "Licence GPL-3.0-or-later : GNU GPL version 3 ou ultérieure\n"
        "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"
        "C'est un logiciel libre : vous pouvez le modifier et le redistribuer.\n"
        "Il n'y a AUCUNE GARANTIE, dans les limites permises par la loi.\n")
        .arg(QStringLiteral(VELKOR_VERSION));
}
