#pragma once
#include <ostream>

#include "ui/program.h"

namespace uiscript {

// Prints a window as the headless driver shows it: "WINDOW <name> shown|hidden", the display
// list in drawing order, a "CONTROL <name> <text>" line for every visible control (followed by
// an "ITEM <text>" line for each item of a list box), "END".
void DumpWindow(const ui::Program& program, const ui::Window& window, std::ostream& out);

}  // namespace uiscript
