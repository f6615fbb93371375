#pragma once
#include "ui/program.h"

namespace qm::app {

// Registers every window of the program with the window manager under its name.
void RegisterWindows(ui::Program& program);

// The start of a run: every window registered, the start screen shown and made active.
void StartProgram(ui::Program& program);

}  // namespace qm::app
