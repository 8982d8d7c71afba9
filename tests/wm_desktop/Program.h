// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "X11Desktop.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// The media the journeys play, made once per test program: a 30 s MPEG-1
// test picture with sound, a one-colour clip (#2060C0) and a long silent WAV.
struct Media {
    QTemporaryDir dir;
    QString video = dir.filePath(QStringLiteral("clip.mpg"));
    QString colour = dir.filePath(QStringLiteral("bleu.avi"));
    QString longWav = dir.filePath(QStringLiteral("long.wav"));
    bool ready = false;
};
Media& media();

// One run of velkor-player with its own settings and data folders.
class Program {
public:
    Program(bool onTop, const QByteArray& lastList);
    ~Program();

    QString configFolder() const { return m_home.filePath(QStringLiteral("config/velkor-player")); }
    QString dataFolder() const { return m_home.filePath(QStringLiteral("data/velkor-player")); }
    QString lastListPath() const { return dataFolder() + QStringLiteral("/lastlist.lst"); }
    QByteArray file(const QString& path) const;

    // Starts the program and waits for its main window (past the splash).
    // `environment` is added to the program's (NAME=value).
    bool start(const QStringList& arguments, const QStringList& environment = {});

    QList<X11Desktop::Id> windows() const;
    bool waitForWindows(const std::function<bool(const QList<X11Desktop::Id>&)>& condition);

    // A point of the main window, given in twips from its top left corner.
    QPoint at(double left, double top) const;
    // Twips of the program's screen in the X server's pixels.
    QPoint pixels(double left, double top) const;
    double scale() const { return m_scale; }
    void click(QPoint point) const;
    // As a person does: the main window comes to the front, the pointer goes
    // to the dot and rests there, then the click.
    void clickCloseDot() const;
    // Keys go to the main window, made the active one first.
    void key(const QString& keys) const;
    bool mainAbove() const;

    enum class Quit { Sigterm, CloseDot };
    // Ends the program and returns how long it took, or -1 when it did not end.
    qint64 quit(Quit how);
    QProcess& process() { return m_process; }

    X11Desktop::Id mainWindow = 0;
    // The window types (_NET_WM_WINDOW_TYPE) of the windows seen before the
    // main window showed: the splash's.
    QStringList windowTypesBeforeMain;

private:
    QTemporaryDir m_home;
    QProcess m_process;
    double m_scale = 1; // the program's QT_SCALE_FACTOR
};
