// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers for the adding tests: folders and files made on the spot.
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// Creates an empty file (and its parent folders) at root + "/" + relative.
inline void touch(const QString& root, const QString& relative)
{
    const QString path = root + QLatin1Char('/') + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

inline void touchAll(const QString& root, const QStringList& relatives)
{
    for (const QString& relative : relatives)
        touch(root, relative);
}

// root + "/" + each name: the entries a scan of root is expected to give.
inline QStringList under(const QString& root, const QStringList& names)
{
    QStringList paths;
    for (const QString& name : names)
        paths << root + QLatin1Char('/') + name;
    return paths;
}
