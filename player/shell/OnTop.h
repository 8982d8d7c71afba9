#pragma once

class QWidget;
class frmMain;

// Keeping the main window above the others.
namespace OnTop {

// Puts a top-level window into the top-most layer or takes it out, keeping its
// size and position. A window that is shown stays shown (minimised stays
// minimised); one not shown yet just keeps the flag for its first show.
void setTopMost(QWidget& window, bool topMost);

// The periodic rule, run by the 500 ms update: a window that is not minimised
// and wants to be on top becomes top-most once; a window that no longer wants it
// leaves the top-most layer, also while minimised. OnTopApplied records what
// was done, so each change happens once.
void applyPeriodicRule(frmMain& main);

} // namespace OnTop
