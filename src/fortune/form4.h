#pragma once
// The fortune curve window: the cumulative monthly score of a window of ages drawn as a curve
// with its year grid, legend and year labels, from the luck record of the last chart drawn and
// the roles chosen on the start screen. Four buttons move or widen the window of years; one
// opens the list window of the monthly listing; one prints; one returns to the start screen.
#include <string_view>

#include "ui/window.h"

namespace qm::fortune {

class FORM4 : public ui::Window {
 public:
  static constexpr std::string_view kName = "FORM4";
  explicit FORM4(ui::Program& program);

  // Shows this window in place of the start screen, copies the roles and the window of years
  // from the start screen's variables and draws once.
  void Form_Load() override;
  // The window becoming active again redraws nothing: nothing it draws from can change while
  // it is open, and a message box or the list window giving the focus back must not redraw.
  void Form_Activate() override {}
  // The draw step: reads BIGFOR, scores the window, writes fortune.PRN and draws the curve. A
  // failure stops it and leaves what was drawn, a file that failed said in a message; a window
  // of less than one year is refused with a message and the start screen comes back.
  void DrawFortuneWindow();

  void Command_5_Click();   // <--往前五年
  void Command05_Click();   // 往後五年-->
  void Command25_Click();   // 前後各加五年
  void Command_25_Click();  // 前後各減五年
  void list_fortune_Click();
  void cmd_prt3_Click();
  void cmd_return41_Click();

  // The window's variables, in the names the window gives them.
  int 用神10 = 0, 喜神10 = 0, 閒神10 = 0, 仇神10 = 0, 忌神10 = 0;
  int 用神11 = 0, 喜神11 = 0, 閒神11 = 0, 仇神11 = 0, 忌神11 = 0;
  int 始年1 = 0;  // years back from the reference age
  int 終年1 = 0;  // years ahead of it
  int YL = 0;     // the span of the window drawn last
  int 始年c = 0, 終年c = 0;

 private:
  void AddControls();
  void Draw();
  // ShiftFortuneWindow: the new years back and ahead from those of the last drawing, kept
  // within -1000..1000, then a drawing.
  void ShiftFortuneWindow(int back, int ahead);
  // Says why the window of years is empty (for a luck record without a birth date, that it has
  // no birth year) and gives the start screen back.
  void RefuseEmptyWindow(bool hasBirthYear);
  // The list window goes with this window: when it returns and when its window is refused.
  void CloseListWindow();
};

}  // namespace qm::fortune
