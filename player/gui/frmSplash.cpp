// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/frmSplash.h"

#include "gui/Logo.h"
#include "gui/WindowShape.h"
#include "gui/VelkorPBar.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>
#include <QTimerEvent>

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 260;

} // namespace

frmSplash::frmSplash(QWidget* parent)
    // A splash-screen window: desktops keep it out of the task bar and the
    // window overview, and place it in the middle of the screen.
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setWindowTitle(QString());
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x16, 0x1F, 0x2E));
    setPalette(pal);

    Image1 = new QLabel(this);
    Image1->setGeometry(0, 0, kWidth, kHeight - 64);
    Image1->setPixmap(QPixmap::fromImage(picture(Image1->size())));

    Label1 = new QLabel(QStringLiteral("Chargement en cours ..."), this);
    Label1->setGeometry(24, kHeight - 58, kWidth - 48, 20);
    Label1->setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    Label1->setStyleSheet(QStringLiteral("color: #dce8f8;"));

    Bar = new VelkorPBar(this);
    Bar->setGeometry(24, kHeight - 32, kWidth - 48, 14);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmSplash::Form_Load()
{
    show();
    WindowShape::apply(this, 20);
    Timer1.start(kTickMs, this);
}

void frmSplash::Timer1_Timer()
{
    if (Bar->Value() < 100) {
        Bar->setValue(Bar->Value() + kStep);
        return;
    }
    // The bar has been full for one tick: unload, then hand over.
    Timer1.stop();
    m_done = true;
    close();
    Q_EMIT finished();
}

void frmSplash::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == Timer1.timerId())
        Timer1_Timer();
    else
        QWidget::timerEvent(event);
}

void frmSplash::closeEvent(QCloseEvent* event)
{
    Timer1.stop();
    event->accept();
    if (!m_done) {
        m_done = true;
        Q_EMIT aborted();
    }
}

QImage frmSplash::picture(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0x2F, 0x4A, 0x72));
    sky.setColorAt(1, QColor(0x16, 0x1F, 0x2E));
    p.fillRect(image.rect(), sky);

    // Sound rings spreading from the logo.
    const QPointF centre(size.width() * 0.27, size.height() * 0.52);
    for (int i = 5; i >= 1; --i) {
        QRadialGradient ring(centre, 26.0 * i);
        ring.setColorAt(0.85, QColor(0x6F, 0xC3, 0xFF, 0));
        ring.setColorAt(0.95, QColor(0x6F, 0xC3, 0xFF, 18 * (6 - i)));
        ring.setColorAt(1.0, QColor(0x6F, 0xC3, 0xFF, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(ring);
        p.drawEllipse(centre, 26.0 * i, 26.0 * i);
    }

    // The logo: a play triangle inside a bright disc, its rim included.
    Logo::paint(p, centre, 45);

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0xF2, 0xF7, 0xFF));
    const QRectF text(size.width() * 0.47, size.height() * 0.30, size.width() * 0.5, 40);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Velkor"));
    QFont sub(QStringLiteral("DejaVu Sans"));
    sub.setPixelSize(17);
    p.setFont(sub);
    p.setPen(QColor(0xA8, 0xC8, 0xEE));
    p.drawText(
        text.translated(0, 38), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Player 2.0"));
    return image;
}
