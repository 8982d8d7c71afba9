// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The folder scan's wildcard on any pattern and name, against a plain
// dynamic-programming matcher that tries every way a "*" can stretch.
#include "FuzzCheck.h"

#include "core/FileNameCodec.h"
#include "core/FolderScan.h"
#include "core/MediaFilter.h"

#include <algorithm>
#include <vector>

namespace {

bool referenceMatch(QStringView pattern, QStringView name)
{
    // row[j]: the pattern so far matches the first j characters of the name.
    std::vector<char> row(name.size() + 1, 0);
    row[0] = 1;
    for (const QChar p : pattern) {
        std::vector<char> next(name.size() + 1, 0);
        if (p == u'*') {
            char reach = 0;
            for (qsizetype j = 0; j <= name.size(); ++j) {
                reach = reach || row[j];
                next[j] = reach;
            }
        } else {
            for (qsizetype j = 1; j <= name.size(); ++j)
                next[j] = row[j - 1] && (p == u'?' || p == name[j - 1]);
        }
        row.swap(next);
    }
    return row[name.size()];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    // The pattern, a NUL, then the name (as a file system's bytes).
    const QByteArrayView bytes = bytesOf(data, size);
    const qsizetype split = bytes.indexOf('\0');
    const QByteArrayView patternBytes = split < 0 ? bytes : bytes.first(split);
    const QByteArrayView nameBytes = split < 0 ? QByteArrayView() : bytes.sliced(split + 1);
    const QString pattern = QString::fromUtf8(patternBytes);
    const QString name = FileNameCodec::decode(nameBytes);

    const bool matched = FolderScan::matches(pattern, name);
    require(matched
                == referenceMatch(pattern.toCaseFolded(), name.toCaseFolded()),
            "wildcard agrees with the reference matcher");
    require(FolderScan::matches(QStringLiteral("*"), name), "* matches every name");
    // Qt's case folding turns the lone surrogates that stand for non-UTF-8
    // bytes into U+FFFD whenever it changes a letter of the same text, so the
    // check of capitals holds for names without them only. The scan's own
    // patterns are plain ASCII and are checked below for every name.
    const bool surrogates
        = std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.isSurrogate(); });
    if (!name.contains(u'*') && !name.contains(u'?') && !surrogates) {
        // The name's ASCII letters turned to capitals: the case of a file
        // name's extension is the user's, never a reason to skip the file.
        QString capitals = name;
        for (QChar& c : capitals) {
            if (c >= u'a' && c <= u'z')
                c = QChar(c.unicode() - 'a' + 'A');
        }
        require(FolderScan::matches(name, capitals), "a name matches itself in any case");
    }
    // The scan's own patterns, as the folder scan uses them.
    for (const QString& scanPattern : ScanPatterns)
        require(FolderScan::matches(scanPattern, name)
                    == referenceMatch(scanPattern.toCaseFolded(), name.toCaseFolded()),
                "scan pattern agrees with the reference matcher");
    return 0;
}
