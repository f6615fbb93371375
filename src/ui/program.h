#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "ui/platform.h"
#include "ui/window_manager.h"

namespace ui {

// The start screen's public variables: the inputs that it stores for the windows it opens.
// Other windows read them and never write them. Numbers never set read as 0, as an empty value.
struct StartVariables {
  std::string fy, fm, fd, fh, fi;  // the record's first five fields as written
  std::string f性別;                // section 1: "M"/"F"; section 4: "男"/"女"
  std::string f特運;                // "Y"/"N"
  std::string f幾歲運;              // the luck start age as text
  std::string f檔名;                // the birth record's name
  double f流年 = 0;                 // the flowing year (RocYear)
  int f流月 = 0;                    // the flowing month
  int f用0 = 0, f喜0 = 0, f閒0 = 0, f仇0 = 0, f忌0 = 0;
  int f用1 = 0, f喜1 = 0, f閒1 = 0, f仇1 = 0, f忌1 = 0;
  double f始年 = 0;
  int f終年 = 0;
  int 古Y1 = 0, 古Y2 = 0, 古M1 = 0, 古M2 = 0, 古D1 = 0, 古D2 = 0, 古H1 = 0, 古H2 = 0;
};

// Everything a window reaches beyond itself: the platform, the other windows and the start
// screen's variables.
class Program {
 public:
  static constexpr std::string_view kTitle = "Quillmere 八字排盤程式";

  explicit Program(Platform& platform) : platform(platform), windows(*this) {}

  // A message box with an OK button; the program's title unless one is given.
  void MsgBox(std::string_view text, std::string_view title = {});
  // Raises a control's click on a window and lets the windows settle; false when the control
  // has no click handler.
  bool Click(Window& window, std::string_view control);
  // Runs one event of the user (a click, an activation) and lets the windows settle. A failure
  // that a handler lets through is said in a message box instead of ending the program: the
  // file's message for a failure of a file, its own text for any other.
  void RunEvent(const std::function<void()>& event);

  Platform& platform;
  WindowManager windows;
  StartVariables start;
};

}  // namespace ui
