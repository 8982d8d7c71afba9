// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/Chrome.h"

#include "core/MediaEngine.h"
#include "core/PlayerCore.h"
#include "gui/MoveArming.h"
#include "gui/OnTop.h"
#include "gui/Twips.h"
#include "gui/WindowShape.h"
#include "gui/WindowSystem.h"
#include "gui/frmAbout.h"
#include "gui/frmMain.h"
#include "gui/VelkorCmd.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

#include <array>

namespace {

constexpr double kWindowWidth = 5145;

// The transport items of the shortcut menu, by index, and the main window's
// intent each one raises, that of the button of the same caption.
const std::array<void (frmMain::*)(), 6> kShortcutIntents = {
    &frmMain::previousRequested,
    &frmMain::playRequested,
    &frmMain::pauseRequested,
    &frmMain::stopRequested,
    &frmMain::nextRequested,
    &frmMain::openRequested,
};

} // namespace

Chrome::Chrome(frmMain& main)
    : m_main(main)
    , m_move(new MoveArming(&main))
{
    m_main.installEventFilter(this);
    m_main.Label3->installEventFilter(this);
    m_main.picPlayList->installEventFilter(this);

    // The shortcut menu's keys act in the whole window, not only while the menu
    // is open: Ctrl+P plays without a right click first.
    for (QAction* action : m_main.mnuBar->actions())
        if (!action->shortcut().isEmpty())
            m_main.addAction(action);
}

Chrome::~Chrome()
{
    unloadAbout();
}

bool Chrome::onBackground(QWidget* surface, const QMouseEvent* event) const
{
    // A press or release over a control that does not take the mouse itself
    // (a label) travels on to the window; it belongs to the background only
    // where no control is, or over the decorative frame of the time display.
    const QPoint at = surface->mapFromGlobal(event->globalPosition().toPoint());
    QWidget* child = surface->childAt(at);
    return child == nullptr || child == m_main.Shape1;
}

bool Chrome::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == &m_main) {
        switch (type) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (onBackground(&m_main, mouse))
                Form_MouseDown(mouse->button(), mouse->globalPosition().toPoint());
            break;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (onBackground(&m_main, mouse)) {
                Form_MouseUp(mouse->button());
                return mouse->button() == Qt::RightButton;
            }
            break;
        }
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            Form_Resize();
            break;
        case QEvent::Paint:
            Form_Paint();
            break;
        default:
            break;
        }
    } else if (watched == m_main.Label3 && type == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        Label3_MouseDown(mouse->button(), mouse->globalPosition().toPoint());
        return true;
    } else if (watched == m_main.picPlayList && type == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (onBackground(m_main.picPlayList, mouse)) {
            picPlayList_MouseUp(mouse->button());
            // Handled here, so the release does not reach the window as well.
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void Chrome::Form_MouseDown(Qt::MouseButton button, QPoint pointer)
{
    m_move->press(button, pointer);
}

void Chrome::Label3_MouseDown(Qt::MouseButton button, QPoint pointer)
{
    m_move->press(button, pointer);
}

void Chrome::Form_MouseUp(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        WindowSystem::current().popupMenu(m_main.mnuBar, m_main.mnuShortcut[1]);
}

void Chrome::picPlayList_MouseUp(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        WindowSystem::current().popupMenu(m_main.mnuBar, nullptr);
}

void Chrome::Form_Resize()
{
    // On-top rule of a resize: a minimised window that should stay on top is
    // left as it is, so restoring it makes it top-most again.
    if (!m_main.isMinimized() && m_main.core().OnTopWanted()) {
        applyTopMost(true);
        m_main.core().setOnTopApplied(true);
    } else if (!m_main.core().OnTopWanted()) {
        applyTopMost(false);
        m_main.core().setOnTopApplied(false);
    }
    shapeWindow();
}

void Chrome::Form_Paint()
{
    if (m_main.isMinimized()) {
        // The task bar shows the scrolling title while the window is minimised.
        setCaption(m_main.txtTitle->text());
        return;
    }
    // In the normal state the window has no caption and its fixed width. The
    // width is left alone while minimised, where resizing would restore the
    // window on some window managers, and is set after the paint, not inside it.
    setCaption(QString());
    const int width = Twips::toPixelsX(kWindowWidth);
    if (m_main.width() != width) {
        QTimer::singleShot(0, &m_main, [this, width] {
            if (!m_main.isMinimized() && m_main.width() != width)
                m_main.resize(width, m_main.height());
        });
    }
}

void Chrome::setCaption(const QString& caption)
{
    // Every paint passes here; an unchanged caption is not sent to the window
    // system again.
    if (m_main.windowTitle() != caption)
        m_main.setWindowTitle(caption);
}

void Chrome::Minimised_Click()
{
    m_main.showMinimized();
}

void Chrome::cmdAbt_Click()
{
    if (m_main.core().OnTopWanted()) {
        m_main.core().suspendOnTop();
        // The main window leaves the top-most layer before the About window
        // maps, so that About comes up over it rather than under it.
        OnTop::applyPeriodicRule(m_main);
    }
    if (m_about) {
        m_about->show();
        m_about->raise();
        m_about->activateWindow();
        return;
    }
    m_about = new frmAbout(m_main);
    m_about->Form_Load();
}

void Chrome::mnuShortcut_Click(int index)
{
    if (index < 0 || index >= int(kShortcutIntents.size()))
        return;
    Q_EMIT(m_main.*kShortcutIntents[index])();
}

bool Chrome::isTopMost() const
{
    return OnTop::isTopMost(m_main);
}

void Chrome::applyTopMost(bool onTop)
{
    OnTop::setTopMost(m_main, onTop);
}

void Chrome::shapeWindow()
{
    WindowShape::apply(&m_main);
}

frmAbout* Chrome::aboutWindow() const
{
    return m_about.data();
}

void Chrome::unloadAbout()
{
    if (m_about) {
        m_about->close();
        delete m_about;
    }
}
