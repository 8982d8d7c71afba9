// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A WAV whose name is Latin-1 bytes plays when its entry comes from a .lst
// file, and the list writes it back with the same bytes.
#include "EngineMedia.h"
#include "core/FileNameCodec.h"
#include "core/PlaylistFile.h"
#include "engine/MpvEngine.h"
#include "support/MediaGenerator.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(ByteNamePlay, EntryFromAPlaylistFileOpensTheOriginalBytes)
{
    const EngineMedia& media = EngineMedia::get();
    ASSERT_TRUE(media.ok);
    const QByteArray source = QFile::encodeName(media.path("stereo.wav"));
    for (const QByteArray& name : {QByteArray("caf\xe9.wav"), QByteArray("\xff\xfe mix.wav")}) {
        const QByteArray target = QFile::encodeName(media.dir->path()) + "/" + name;
        ASSERT_EQ(std::rename(source.constData(), target.constData()), 0);
        const QByteArray list = "\"" + target + "\"\r\n";
        const QStringList entries = PlaylistFile::parse(list);
        ASSERT_EQ(entries.size(), 1);

        MpvEngine engine(MpvEngine::VideoOutput::None, EngineMedia::silent());
        engine.setFileName(entries.first());
        EXPECT_FALSE(engine.HasError()) << engine.ErrorDescription().toStdString();
        EXPECT_NEAR(engine.Duration().value_or(0), EngineMedia::kSeconds, 0.25);
        EXPECT_EQ(PlaylistFile::format(entries), list);
        engine.setFileName(QString());
        ASSERT_EQ(std::rename(target.constData(), source.constData()), 0);
    }
}

} // namespace
