#include "gui/OnTop.h"

#include "gui/Chrome.h"
#include "gui/frmMain.h"

namespace OnTop {

void applyPeriodicRule(frmMain& main)
{
    if (!main.isMinimized() && main.OnTopWanted && !main.OnTopApplied) {
        main.chrome().applyTopMost(true);
        main.OnTopApplied = true;
    } else if (!main.OnTopWanted && main.OnTopApplied) {
        main.chrome().applyTopMost(false);
        main.OnTopApplied = false;
    }
}

} // namespace OnTop
