#pragma once

class frmMain;

// Keeping the main window above the others.
namespace OnTop {

// The periodic rule, run by the 500 ms update: a window that is not minimised
// and wants to be on top becomes top-most once; a window that no longer wants it
// leaves the top-most layer, also while minimised. OnTopApplied records what
// was done, so each change happens once.
void applyPeriodicRule(frmMain& main);

} // namespace OnTop
