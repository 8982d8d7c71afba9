// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <sarv/sarv_export.h>

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace sarv {

// The key/value store a container hands to a control to load and save its
// properties. Keys are looked up without regard to case and kept in the order
// they were first written, spelled as written.
//
// Text form (fromText / toText), one property per line:
//     key=value
// The key is the text before the first '=', the value the rest of the line;
// both are trimmed. Lines end in LF (a CR before it is dropped); blank lines,
// lines starting with '#' and lines without '=' or without a key are ignored;
// a key given twice keeps its last value. Values are text: integers in decimal,
// Booleans as "True" or "False". A line break inside a value is written as a
// space, so every value stays on its line.
class SARV_EXPORT PropertyBag {
public:
    static PropertyBag fromText(const QString& text);
    QString toText() const;

    // The stored value of key, or fallback when the bag has none. Values loaded
    // from text are strings; the control converts them.
    QVariant read(const QString& key, const QVariant& fallback) const;

    // Stores value under key, except that a value equal to writeDefault (when
    // one is given) is left out, and any older value of that key removed:
    // reading it back then yields the reader's default.
    void write(const QString& key, const QVariant& value, const QVariant& writeDefault = {});

    bool contains(const QString& key) const;
    void remove(const QString& key);
    QStringList keys() const;
    int size() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.isEmpty(); }

private:
    struct Entry {
        QString key;
        QVariant value;
    };
    qsizetype indexOf(const QString& key) const;

    QList<Entry> m_entries;
};

} // namespace sarv
