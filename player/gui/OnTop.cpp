#include "gui/OnTop.h"

#include "gui/Chrome.h"
#include "core/PlayerCore.h"
#include "gui/frmMain.h"

namespace OnTop {

void applyPeriodicRule(frmMain& main)
{
    if (!main.isMinimized() && main.core().OnTopWanted && !main.core().OnTopApplied) {
        main.chrome().applyTopMost(true);
        main.core().OnTopApplied = true;
    } else if (!main.core().OnTopWanted && main.core().OnTopApplied) {
        main.chrome().applyTopMost(false);
        main.core().OnTopApplied = false;
    }
}

} // namespace OnTop
