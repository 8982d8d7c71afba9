#include "engine/FullScreenWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

FullScreenWindow::FullScreenWindow()
{
    setWindowTitle(QStringLiteral("Velkor Player"));
    setStyleSheet(QStringLiteral("background: black;"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void FullScreenWindow::borrow(QWidget* area)
{
    m_area = area;
    m_home = area->parentWidget();
    m_homePos = area->pos();
    layout()->addWidget(area);
    area->show();
    showFullScreen();
    activateWindow();
    area->setFocus();
}

void FullScreenWindow::giveBack()
{
    if (m_area && m_area->parentWidget() == this) {
        m_area->setParent(m_home);
        m_area->move(m_homePos);
        if (m_home)
            m_area->show();
    }
    m_area = nullptr;
    hide();
}

void FullScreenWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        emit leaveRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Closing the window (from the window manager) only leaves full screen; the
// window stays for the next time.
void FullScreenWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit leaveRequested();
}
