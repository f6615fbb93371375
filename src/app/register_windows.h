#pragma once
#include "ui/program.h"

namespace qm::app {

// Registers every window of the program with the window manager. A window not registered yet
// is one that the program does not hold: the start screen's button for it says so.
void RegisterWindows(ui::Program& program);

// The start of a run: every window registered, the start screen shown and made active.
void StartProgram(ui::Program& program);

}  // namespace qm::app
