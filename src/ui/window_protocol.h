#pragma once
#include <string_view>
#include <vector>

#include "base/failure.h"
#include "ui/window.h"

namespace ui {

class Program;

// The start screen's name among the windows.
inline constexpr std::string_view kStartScreen = "form1";

// What a button of the start screen says when the window it opens is not part of the program yet.
inline constexpr std::string_view kNotYetBuilt = "此功能尚未完成";

// OpenChartWindow, after the handler has stored the window's inputs: the target's load step,
// which hides the start screen and shows the target; the manager's settling then runs its
// activate step. A window the program does not hold yet is said in a message box.
void OpenChartWindow(Program& program, std::string_view name);

// The return button of every chart window: hide and close the window, show the start screen
// and call its load step.
void ReturnToStart(Window& window);

// The print button of every chart window: hide the given controls in order, print the window's
// image, show them again in the same order. A missing printer or a failed print is said in a
// message box.
void PrintChartWindow(Window& window, const std::vector<std::string_view>& hiddenControls);

// The first steps of a load step: hide the start screen and show this window.
void ShowInPlaceOfStart(Window& window);

// StopOnError: a drawing that meets a failure of the program's own kind (a missing or short
// file, a value outside its table) ends where it stands, without a word; what it drew stays.
template <class Drawing>
void StopOnError(Drawing drawing) {
  try {
    drawing();
  } catch (const qm::Failure&) {
  }
}

}  // namespace ui
