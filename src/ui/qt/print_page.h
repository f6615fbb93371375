#pragma once
// A window's image on paper: one page of the printer, painted at the printer's own resolution.
#include <QPrinter>

#include "ui/window.h"

namespace ui::qt {

// Paints the window's client area (its drawing and its visible controls, texts as texts, in
// the screen's colours) on one page of the printer, as large as the printable area allows with
// its proportions kept, the page turned to landscape for a window wider than high. The job is
// named after the program and the window. False when the printer cannot take the page.
bool PrintWindowPage(const Window& window, QPrinter& printer);

}  // namespace ui::qt
