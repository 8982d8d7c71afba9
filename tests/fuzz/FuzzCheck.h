// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdio>
#include <cstdlib>

// What the fuzz targets share: a property that does not hold ends the run with
// a message, so libFuzzer keeps the input that broke it as a crash file.
inline void require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::fflush(stderr);
    std::abort();
}

inline QByteArrayView bytesOf(const unsigned char* data, size_t size)
{
    return QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size));
}
