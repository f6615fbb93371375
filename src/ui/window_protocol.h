#pragma once
#include <string_view>
#include <vector>

#include "ui/window.h"

namespace ui {

// The start screen's name among the windows.
inline constexpr std::string_view kStartScreen = "form1";

// The return button of every chart window: hide and close the window, show the start screen
// and call its load step.
void ReturnToStart(Window& window);

// The print button of every chart window: hide the given controls in order, print the window's
// image, show them again in the same order. A missing printer or a failed print is said in a
// message box.
void PrintChartWindow(Window& window, const std::vector<std::string_view>& hiddenControls);

// The first steps of a load step: hide the start screen and show this window.
void ShowInPlaceOfStart(Window& window);

}  // namespace ui
