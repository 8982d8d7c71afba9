// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "X11Desktop.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdlib>

namespace X11Desktop {

namespace {

QList<Id> windowIds(const QString& text)
{
    QList<Id> ids;
    static const QRegularExpression hex(QStringLiteral("0x[0-9a-fA-F]+"));
    for (const QRegularExpressionMatch& m : hex.globalMatch(text))
        ids.append(m.captured().toULong(nullptr, 16));
    return ids;
}

QString hexId(Id window)
{
    return QStringLiteral("0x") + QString::number(window, 16);
}

int field(const QString& info, const char* label)
{
    const QRegularExpression re(QString::fromLatin1(label) + QStringLiteral(":\\s*(-?\\d+)"));
    return re.match(info).captured(1).toInt();
}

} // namespace

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, arguments);
    // The tools only talk to the X server, which never waits on this process.
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    QCoreApplication::processEvents();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

void xdotool(const QStringList& arguments)
{
    run(QStringLiteral("xdotool"), arguments);
}

QStringList netWmState(Id window)
{
    const QString out = run(QStringLiteral("xprop"), { QStringLiteral("-id"), hexId(window),
                                                         QStringLiteral("_NET_WM_STATE") });
    const qsizetype eq = out.indexOf(QLatin1Char('='));
    if (eq < 0)
        return {};
    QStringList atoms = out.mid(eq + 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (QString& atom : atoms)
        atom = atom.trimmed();
    atoms.removeAll(QString());
    return atoms;
}

QString property(Id window, const QString& name)
{
    const QString out
        = run(QStringLiteral("xprop"), { QStringLiteral("-id"), hexId(window), name });
    const qsizetype eq = out.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : out.mid(eq + 1).trimmed();
}

QStringList iconSizes(Id window)
{
    // xprop draws each image of the icon under a line "Icon (W x H):".
    const QString out = run(QStringLiteral("xprop"),
        { QStringLiteral("-id"), hexId(window), QStringLiteral("_NET_WM_ICON") });
    QStringList sizes;
    static const QRegularExpression header(QStringLiteral("Icon \\((\\d+) x (\\d+)\\)"));
    for (const QRegularExpressionMatch& m : header.globalMatch(out))
        sizes << m.captured(1) + QLatin1Char('x') + m.captured(2);
    return sizes;
}

bool wmSupports(const QString& atom)
{
    return run(QStringLiteral("xprop"), { QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTED") })
        .contains(QRegularExpression(QStringLiteral("\\b") + atom + QStringLiteral("\\b")));
}

QImage contents(Id window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return {};
    xcb_connection_t* connection = x11->connection();
    const QRect g = geometry(window);
    xcb_get_image_reply_t* reply = xcb_get_image_reply(connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, xcb_drawable_t(window), 0, 0,
            uint16_t(g.width()), uint16_t(g.height()), ~0u),
        nullptr);
    if (!reply)
        return {};
    QImage image;
    // A depth 24 or 32 window gives 32 bits a pixel, blue first.
    if (reply->depth >= 24
        && xcb_get_image_data_length(reply) >= g.width() * g.height() * 4) {
        image = QImage(xcb_get_image_data(reply), g.width(), g.height(), g.width() * 4,
            QImage::Format_RGB32)
                    .copy();
    }
    std::free(reply);
    return image;
}

QList<Id> stacking()
{
    return windowIds(run(QStringLiteral("xprop"),
        { QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING") }));
}

Id activeWindow()
{
    const QList<Id> ids = windowIds(run(
        QStringLiteral("xprop"), { QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW") }));
    return ids.isEmpty() ? 0 : ids.first();
}

bool isViewable(Id window)
{
    return run(QStringLiteral("xwininfo"), { QStringLiteral("-id"), hexId(window) })
        .contains(QStringLiteral("IsViewable"));
}

QRect geometry(Id window)
{
    const QString info = run(QStringLiteral("xwininfo"), { QStringLiteral("-id"), hexId(window) });
    return QRect(field(info, "Absolute upper-left X"), field(info, "Absolute upper-left Y"),
        field(info, "Width"), field(info, "Height"));
}

QString name(Id window)
{
    return run(QStringLiteral("xdotool"), { QStringLiteral("getwindowname"), QString::number(window) })
        .trimmed();
}

QList<Id> visibleWindowsOf(qint64 pid)
{
    QList<Id> ids;
    const QString out = run(QStringLiteral("xdotool"),
        { QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
            QString::number(pid) });
    for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        // xdotool also lists the windows inside them (the video's own): only
        // those the window manager manages, which carry WM_STATE, count.
        const Id id = line.trimmed().toULong();
        if (run(QStringLiteral("xprop"), { QStringLiteral("-id"), hexId(id), QStringLiteral("WM_STATE") })
                .contains(QLatin1String("window state:")))
            ids.append(id);
    }
    return ids;
}

void drag(QPoint from, QPoint delta)
{
    xdotool({ QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y()) });
    QTest::qWait(100);
    xdotool({ QStringLiteral("mousedown"), QStringLiteral("1") });
    QTest::qWait(200);
    const QPoint armed = from + kArmingStep;
    xdotool({ QStringLiteral("mousemove"), QString::number(armed.x()), QString::number(armed.y()) });
    QTest::qWait(200);
    constexpr int kSteps = 4;
    for (int i = 1; i <= kSteps; ++i) {
        const QPoint at = from + delta * i / kSteps;
        xdotool({ QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()) });
        QTest::qWait(60);
    }
    xdotool({ QStringLiteral("mouseup"), QStringLiteral("1") });
    QTest::qWait(200);
}

} // namespace X11Desktop
