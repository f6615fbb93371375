#pragma once
#include <functional>
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

// What every window says of a failure of a file: "資料檔讀取錯誤：" and the name of a file that
// could not be read as its layout says, "無法寫入檔案：" and the name of one that could not be
// written. A failure of no file (a moment outside the tables, the arithmetic) has no message
// here: each window says of it what it says.
std::optional<std::string> FileFailureMessage(const qm::Failure& failure);
// What a message box says of any failure: the message of its file, else its own words.
std::string FailureMessage(const qm::Failure& failure);

// Runs a draw step; a failure of the program's own kind ends it where it stands, leaving what
// was drawn and the window usable. A failure of a file is said in its message, once: the
// message box closing runs no drawing again, since a window already active is not activated
// anew. A failure of no file ends the drawing without a word.
void StopOnError(Window& window, const std::function<void()>& drawing);

}  // namespace ui
