#pragma once

#include <QPoint>
#include <QPointer>
#include <QWidget>

// The window of its own in which the engine shows the video full screen. It
// borrows the drawing area from its home window and gives it back where it was.
// Escape or a request to close the window asks to leave (leaveRequested); the
// engine decides and calls giveBack().
class FullScreenWindow : public QWidget {
    Q_OBJECT
public:
    FullScreenWindow();

    // Moves area here and shows it full screen. Moving it to another window
    // recreates its GL context.
    void borrow(QWidget* area);
    // Puts the area back into its home window at its old place, and hides.
    void giveBack();

signals:
    void leaveRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<QWidget> m_area;
    QPointer<QWidget> m_home;
    QPoint m_homePos;
};
