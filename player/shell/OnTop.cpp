#include "shell/OnTop.h"

#include "shell/frmMain.h"

#include <QWidget>

namespace OnTop {

void setTopMost(QWidget& window, bool topMost)
{
    if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topMost)
        return;
    // Changing a window flag re-creates the native window and hides it; put it
    // back where it was, at its size, in the state it had.
    const QPoint position = window.pos();
    const QSize size = window.size();
    const bool wasVisible = window.isVisible();
    const bool wasMinimized = window.isMinimized();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
    window.move(position);
    window.resize(size);
    if (!wasVisible)
        return;
    if (wasMinimized)
        window.showMinimized();
    else
        window.show();
}

void applyPeriodicRule(frmMain& main)
{
    if (!main.isMinimized() && main.OnTopWanted && !main.OnTopApplied) {
        setTopMost(main, true);
        main.OnTopApplied = true;
    } else if (!main.OnTopWanted && main.OnTopApplied) {
        setTopMost(main, false);
        main.OnTopApplied = false;
    }
}

} // namespace OnTop
