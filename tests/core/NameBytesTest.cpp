// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one conversion between a name's bytes and an entry: what the list shows,
// and the bytes a file:// URL carries.
#include "core/FileNameCodec.h"
#include "core/PlaylistModel.h"

#include <QUrl>

#include <gtest/gtest.h>

namespace {

struct UrlCase {
    const char* url;
    QByteArray bytes;   // of the entry made from it
    const char* shown;  // UTF-8 of what the list shows
};

void PrintTo(const UrlCase& c, std::ostream* os)
{
    *os << c.url;
}

class NameFromUrl : public ::testing::TestWithParam<UrlCase> {};

TEST_P(NameFromUrl, KeepsTheBytesAndReadsWell)
{
    const QString entry = FileNameCodec::fromLocalUrl(QUrl(QString::fromLatin1(GetParam().url)));
    EXPECT_EQ(FileNameCodec::encode(entry), GetParam().bytes);
    EXPECT_EQ(FileNameCodec::readable(entry).toUtf8(), QByteArray(GetParam().shown));
    // Written back as a URL, the entry comes back with the same bytes.
    const QByteArray url = FileNameCodec::toLocalUrl(entry);
    EXPECT_EQ(FileNameCodec::encode(FileNameCodec::fromLocalUrl(QUrl::fromEncoded(url))), GetParam().bytes)
        << url.constData();
}

INSTANTIATE_TEST_SUITE_P(
    Urls, NameFromUrl,
    ::testing::Values(UrlCase{"file:///m/caf%E9.mp3", "/m/caf\xe9.mp3", "/m/caf\xc3\xa9.mp3"},
                      UrlCase{"file:///m/caf%C3%A9.mp3", "/m/caf\xc3\xa9.mp3", "/m/caf\xc3\xa9.mp3"},
                      UrlCase{"file:///m/with%20space%25.wav", "/m/with space%.wav", "/m/with space%.wav"},
                      UrlCase{"file:///m/%FF%FE.mid", "/m/\xff\xfe.mid", "/m/\xc3\xbf\xc3\xbe.mid"}));

TEST(NameShown, ListShowsLatin1BytesAsLettersAndKeepsTheEntry)
{
    PlaylistModel model;
    model.Append(FileNameCodec::decode("/m/caf\xe9.mp3"));
    const QModelIndex row = model.index(0);
    EXPECT_EQ(model.data(row, Qt::DisplayRole).toString(), QStringLiteral("/m/caf\u00e9.mp3"));
    EXPECT_EQ(FileNameCodec::encode(model.data(row, Qt::EditRole).toString()), QByteArray("/m/caf\xe9.mp3"));
}

} // namespace
