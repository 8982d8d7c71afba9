// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/frmAbout.h"

#include "gui/Logo.h"
#include "gui/MoveArming.h"
#include "gui/Twips.h"
#include "gui/WindowShape.h"
#include "core/PlayerCore.h"
#include "gui/frmMain.h"
#include "gui/VelkorCmd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

#include <algorithm>

namespace {

template <typename W> W* place(W* widget, double left, double top, double width, double height)
{
    widget->setGeometry(Twips::toPixels(left, top, width, height));
    return widget;
}

QLabel* verdanaLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(7.5);
    label->setFont(font);
    return label;
}

// The skinned frame of the window, drawn by a style sheet.
QWidget* makeFrame(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QStringLiteral("VelkorFrm1"));
    frame->setStyleSheet(
        QStringLiteral("QFrame#VelkorFrm1 { border: 2px solid #3a4a6b; border-radius: 7px;"
                       " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                       " stop:0 #6f84ad, stop:0.3 #b9c8e4, stop:1 #e3eaf6); }"));
    return frame;
}

const char* const kTitle = "Velkor Player 2.0 - lecteur multimédia";

const char* const kDescription
    = "Velkor Player est un petit lecteur multimédia : il lit vos fichiers audio "
      "(MP3, WAV, WMA, MIDI) et vidéo (MPEG, AVI, ASF, DAT) ainsi que les CD vidéo. "
      "Sa liste de lecture se remplit de fichiers, de répertoires entiers ou des "
      "pistes d'un VCD, se sauvegarde et se retrouve au prochain démarrage.";

const char* const kCredits = "Conception et programmation : l'équipe Velkor Design\n"
                             "Contrôle curseur : bibliothèque Sarv (Variateur)\n"
                             "Lecture des médias : libmpv\n"
                             "Merci d'utiliser Velkor Player !";

} // namespace

frmAbout::frmAbout(frmMain& main)
    // A dialog-type window of the main window: Qt makes it a transient of the
    // main window, which the window manager keeps above the main window, also
    // while that has left the top-most layer. It is never modal.
    : QWidget(&main, Qt::Dialog | Qt::FramelessWindowHint)
    , m_main(main)
    , m_move(new MoveArming(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(Twips::toPixelsX(6375), Twips::toPixelsY(3735));
    createControls();
    QMetaObject::connectSlotsByName(this);
}

frmAbout::~frmAbout() = default;

void frmAbout::createControls()
{
    // The frame covers the whole window and carries the skin; the other
    // controls sit on it.
    VelkorFrm1 = place(makeFrame(this), 0, 0, 6375, 3735);

    const QString title = QString::fromUtf8(kTitle);
    Label4[0] = place(verdanaLabel(title, VelkorFrm1), 480, 45, 4890, 195);
    Label4[1] = place(verdanaLabel(title, VelkorFrm1), 480, 15, 4890, 195);
    Label4[1]->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    Label4[0]->setStyleSheet(QStringLiteral("background: transparent;"));
    for (QLabel* label : Label4) {
        QFont font = label->font();
        // Sized to the height of the line, whatever the screen's resolution.
        font.setPixelSize(std::max(6, label->height() * 3 / 4));
        font.setBold(true);
        label->setFont(font);
        // The line sits at the window's top edge: the text keeps to the bottom
        // of its box so that the edge does not cut it.
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        label->installEventFilter(this);
    }

    Shape1 = place(new QFrame(VelkorFrm1), 1190, 350, 4520, 690);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setStyleSheet(QStringLiteral("QFrame#Shape1 { border: 1px solid #3a4a6b; "
                                         "border-radius: 8px; background: transparent; }"));

    imgIcon = place(new QLabel(VelkorFrm1), 240, 420, 480, 480);
    // The splash's logo, drawn at the picture's size in device pixels.
    const qreal ratio = devicePixelRatioF();
    QPixmap logo = QPixmap::fromImage(
        Logo::image(qRound(std::min(imgIcon->width(), imgIcon->height()) * ratio)));
    logo.setDevicePixelRatio(ratio);
    imgIcon->setPixmap(logo);
    imgIcon->setAlignment(Qt::AlignCenter);

    auto* name
        = place(verdanaLabel(QStringLiteral("Velkor Player"), VelkorFrm1), 1300, 480, 4300, 420);
    QFont nameFont = name->font();
    nameFont.setPointSizeF(16);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignCenter);

    Label1 = place(verdanaLabel(QStringLiteral("Version : 2.0"), VelkorFrm1), 4680, 1080, 990, 180);
    Label2 = place(verdanaLabel(QString::fromUtf8(kDescription), VelkorFrm1), 120, 1440, 6255, 975);
    Label2->setWordWrap(true);
    Label3 = place(verdanaLabel(QString::fromUtf8(kCredits), VelkorFrm1), 120, 2450, 6375, 855);
    Label3->setWordWrap(true);
    for (QLabel* label : { Label1, Label2, Label3, name })
        label->setStyleSheet(QStringLiteral("background: transparent;"));

    cmdOk = place(new VelkorCmd(QStringLiteral("&Ok"), VelkorFrm1), 2760, 3240, 1215, 375);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
}

void frmAbout::Form_Load()
{
    show();
    WindowShape::apply(this);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < int(Label4.size()); ++i) {
            if (watched == Label4[i]) {
                auto* mouse = static_cast<QMouseEvent*>(event);
                Label4_MouseDown(i, mouse->button(), mouse->globalPosition().toPoint());
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmAbout::Label4_MouseDown(int index, Qt::MouseButton button, QPoint pointer)
{
    if (index < 0 || index >= int(Label4.size()))
        return;
    m_move->press(button, pointer);
}

void frmAbout::on_cmdOk_Click()
{
    cmdOk_Click();
}

void frmAbout::cmdOk_Click()
{
    restoreOnTop();
    close();
}

void frmAbout::closeEvent(QCloseEvent* event)
{
    // However the window closes, the on-top state it suspended comes back:
    // otherwise the menu's mark would show on-top while the window is not.
    restoreOnTop();
    event->accept();
}

void frmAbout::restoreOnTop()
{
    m_main.core().resumeOnTop();
}
