// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/FileNameCodec.h"

#include <QUrl>

#include <algorithm>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Length of the valid UTF-8 sequence that starts at p (at most end), 0 when the
// bytes there do not form one (overlong forms, surrogates and code points past
// U+10FFFF are not valid).
int validSequenceLength(const unsigned char* p, const unsigned char* end, char32_t& cp)
{
    const unsigned char b0 = p[0];
    int len = 0;
    char32_t min = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
        cp = b0 & 0x1F;
        min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        cp = b0 & 0x0F;
        min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        cp = b0 & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (end - p < len)
        return 0;
    for (int i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

char* writeUtf8(char* d, char32_t cp)
{
    if (cp < 0x800) {
        *d++ = char(0xC0 | (cp >> 6));
        *d++ = char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        *d++ = char(0xE0 | (cp >> 12));
        *d++ = char(0x80 | ((cp >> 6) & 0x3F));
        *d++ = char(0x80 | (cp & 0x3F));
    } else {
        *d++ = char(0xF0 | (cp >> 18));
        *d++ = char(0x80 | ((cp >> 12) & 0x3F));
        *d++ = char(0x80 | ((cp >> 6) & 0x3F));
        *d++ = char(0x80 | (cp & 0x3F));
    }
    return d;
}

} // namespace

QString FileNameCodec::decode(QByteArrayView bytes)
{
    const auto* begin = reinterpret_cast<const unsigned char*>(bytes.data());
    if (std::all_of(begin, begin + bytes.size(), [](unsigned char c) { return c < 0x80; }))
        return QString::fromLatin1(bytes.data(), bytes.size());

    QString text;
    text.reserve(bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        // Plain ASCII goes through in runs, which is nearly every path.
        const auto* run = p;
        while (p < end && *p < 0x80)
            ++p;
        if (p != run)
            text.append(QLatin1StringView(reinterpret_cast<const char*>(run), p - run));
        if (p == end)
            break;
        char32_t cp = 0;
        const int len = validSequenceLength(p, end, cp);
        if (len == 0) {
            text.append(QChar(char16_t(kEscapeBase + *p)));
            ++p;
            continue;
        }
        if (cp >= 0x10000) {
            text.append(QChar(QChar::highSurrogate(cp)));
            text.append(QChar(QChar::lowSurrogate(cp)));
        } else {
            text.append(QChar(char16_t(cp)));
        }
        p += len;
    }
    return text;
}

void FileNameCodec::appendEncoded(QByteArray& out, const QString& text)
{
    const qsizetype n = text.size();
    const QChar* s = text.constData();
    const qsizetype start = out.size();
    // Three bytes a UTF-16 unit at most (a surrogate pair gives four for two).
    out.resize(start + 3 * n);
    char* const base = out.data() + start;
    char* d = base;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = s[i].unicode();
        if (u < 0x80) {
            *d++ = char(u);
            continue;
        }
        char32_t cp = u;
        if (QChar::isHighSurrogate(u) && i + 1 < n && s[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(u, s[i + 1].unicode());
            ++i;
        } else if (u >= kEscapeBase + 0x80 && u <= kEscapeBase + 0xFF) {
            *d++ = char(u - kEscapeBase);
            continue;
        } else if (QChar::isSurrogate(u)) {
            // A lone surrogate that stands for no byte cannot come from a file
            // name; it is written as the replacement character.
            cp = 0xFFFD;
        }
        d = writeUtf8(d, cp);
    }
    out.resize(start + (d - base));
}

QByteArray FileNameCodec::encode(const QString& text)
{
    QByteArray out;
    out.reserve(text.size() + 8);
    appendEncoded(out, text);
    return out;
}

QString FileNameCodec::readable(const QString& text)
{
    QString shown = text;
    for (QChar& c : shown) {
        const char16_t u = c.unicode();
        if (u >= kEscapeBase + 0x80 && u <= kEscapeBase + 0xFF)
            c = QChar(char16_t(u - kEscapeBase));
    }
    return shown;
}

QString FileNameCodec::fromLocalUrl(const QUrl& url)
{
    const QByteArray escaped = url.path(QUrl::FullyEncoded).toLatin1();
    return decode(QByteArray::fromPercentEncoding(escaped));
}

QByteArray FileNameCodec::toLocalUrl(const QString& entry)
{
    return QByteArrayLiteral("file://") + encode(entry).toPercentEncoding("/");
}
