#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/birth_record.h"
#include "base/failure.h"
#include "ui/window.h"

namespace ui {

class Program;

// The start screen's name among the windows.
inline constexpr std::string_view kStartScreen = "form1";

// OpenChartWindow, after the handler has stored the window's inputs: the target's load step,
// which hides the start screen and shows the target; the manager's settling then runs its
// activate step.
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

// The birth record of a window's load step. A record that is missing, or whose fields are out
// of range, is said ("找不到出生資料檔：" or "出生資料檔內容有誤：" and its name), the window is
// closed and the start screen comes back; there is no record then.
std::optional<qm::BirthRecord> ReadBirthRecordOrReturn(Window& window, const std::string& name);

// Runs a draw step; a failure of the program's own kind ends it where it stands, without a
// word, leaving what was drawn and the window usable.
template <class Drawing>
void StopOnError(Drawing drawing) {
  try {
    drawing();
  } catch (const qm::Failure&) {
  }
}

}  // namespace ui
