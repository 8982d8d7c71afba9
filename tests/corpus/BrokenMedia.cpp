// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BrokenMedia.h"

#include "support/MediaGenerator.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <mpv/client.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

enum Kind { Empty, Truncated, Noise, HeaderOnly, Fifo, Folder, EndlessDevice, LinkLoop, Dangling };
constexpr int kKinds = 9;
// Kinds whose name a folder scan or a command line would pass on as a file.
constexpr const char* kExtensions[kKinds]
    = { ".mp3", ".wav", ".avi", ".wav", ".mpg", ".mp3", ".dat", ".wav", ".mpeg" };

bool writeBytes(const QByteArray& path, const QByteArray& bytes)
{
    QFile file(QFile::decodeName(path));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray noise(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

} // namespace

BrokenMedia::BrokenMedia(const QString& folder)
    : m_folder(QFile::encodeName(folder))
{
}

BrokenEntry BrokenMedia::make(int kind, const QByteArray& stem)
{
    const QByteArray path = m_folder + '/' + stem + kExtensions[kind];
    BrokenEntry entry { path, { path } };
    bool made = false;
    switch (kind) {
    case Empty:
        made = writeBytes(path, {});
        break;
    case Truncated: {
        // A whole WAV's header promising seconds of sound, cut after a few samples.
        const QString whole = QFile::decodeName(path);
        made = MediaGenerator::wav(whole, 2) && ::truncate(path.constData(), 100) == 0;
        break;
    }
    case Noise:
        made = writeBytes(path, noise(64 * 1024, quint32(++m_serial)));
        break;
    case HeaderOnly:
        made = writeBytes(path, QByteArray("RIFF\xff\xff\xff\x7fWAVEfmt ", 16));
        break;
    case Fifo:
        made = ::mkfifo(path.constData(), 0600) == 0;
        entry.listed.clear();
        break;
    case Folder: {
        // A folder named as a file; the one file inside is empty.
        const QByteArray inner = path + "/dedans.mp3";
        made = ::mkdir(path.constData(), 0700) == 0 && writeBytes(inner, {});
        entry.listed = { inner };
        break;
    }
    case EndlessDevice:
        made = ::symlink("/dev/zero", path.constData()) == 0;
        entry.listed.clear();
        break;
    case LinkLoop: {
        const QByteArray other = path + ".boucle";
        made = ::symlink(other.constData(), path.constData()) == 0
            && ::symlink(path.constData(), other.constData()) == 0;
        entry.listed.clear();
        break;
    }
    case Dangling:
        made = ::symlink((path + ".absent").constData(), path.constData()) == 0;
        entry.listed.clear();
        break;
    }
    if (!made)
        qFatal("could not make the broken entry %s", path.constData());
    return entry;
}

std::vector<BrokenEntry> BrokenMedia::everyKind()
{
    static const char* const stems[kKinds] = { "vide", "tronqué", "bruit", "entête", "tube",
                                               "dossier", "zéro", "boucle", "disparu" };
    std::vector<BrokenEntry> entries;
    for (int kind = 0; kind < kKinds; ++kind)
        entries.push_back(make(kind, stems[kind]));
    // A name in Latin-1, as old media keep them: its bytes must come back as they are.
    entries.push_back(make(Noise, "chanson d'\xe9t\xe9"));
    return entries;
}

std::vector<BrokenEntry> BrokenMedia::failing(int count)
{
    std::vector<BrokenEntry> entries;
    for (int i = 0; i < count; ++i)
        entries.push_back(make(i % kKinds, "échec " + QByteArray::number(i)));
    return entries;
}

QStringList BrokenMedia::urlLookingNames(const QStringList& schemes, const QString& hostPort)
{
    QStringList names;
    const QDir folder(QFile::decodeName(m_folder));
    for (const QString& scheme : schemes) {
        const QString name = scheme + QStringLiteral("://") + hostPort + QStringLiteral("/piste.mp3");
        const QString file = folder.filePath(QDir::cleanPath(name));
        QDir().mkpath(QFileInfo(file).path());
        if (!writeBytes(QFile::encodeName(file), noise(4096, quint32(++m_serial))))
            qFatal("could not make %s", qPrintable(file));
        names << name;
    }
    return names;
}

QStringList mpvProtocols()
{
    QStringList protocols;
    mpv_handle* mpv = mpv_create();
    if (!mpv)
        return protocols;
    mpv_set_option_string(mpv, "config", "no");
    mpv_set_option_string(mpv, "terminal", "no");
    if (mpv_initialize(mpv) >= 0) {
        mpv_node node;
        if (mpv_get_property(mpv, "protocol-list", MPV_FORMAT_NODE, &node) >= 0) {
            if (node.format == MPV_FORMAT_NODE_ARRAY) {
                for (int i = 0; i < node.u.list->num; ++i) {
                    const mpv_node& item = node.u.list->values[i];
                    if (item.format == MPV_FORMAT_STRING)
                        protocols << QString::fromUtf8(item.u.string);
                }
            }
            mpv_free_node_contents(&node);
        }
    }
    mpv_terminate_destroy(mpv);
    return protocols;
}
