#pragma once
// The luck periods window: the ten luck pillars of a birth record and a chart of seven columns,
// the natal four with the luck pillar in force, the flowing year and the flowing month, stepped
// one month, one year or five years either way, with a print button and a return button.
#include <string>
#include <string_view>

#include "base/failure.h"
#include "luck/draw_luck_window.h"
#include "ui/window.h"

namespace qm::luck {

class Form3 : public ui::Window {
 public:
  static constexpr std::string_view kName = "Form3";
  explicit Form3(ui::Program& program);

  // Takes the record name and the flowing date from the start screen, reads the record and
  // shows this window in place of the start screen; its activation draws it. A flowing year
  // past the tables or a record that cannot be read is said in a message and the start screen
  // stays.
  void Form_Load() override;
  // DrawLuckWindow: the whole window for the stepped flowing date. A failure of a drawing is
  // said in a message, and the start screen comes back.
  void Form_Activate() override;

  void Command4_Click();  // one month earlier
  void Command5_Click();  // one month later
  void Command6_Click();  // one year earlier
  void Command7_Click();  // one year later
  void Command8_Click();  // five years earlier
  void Command9_Click();  // five years later
  void cmd_prt2_Click();
  void cmd_return31_Click();

  // The window's variables, in the names the window gives them.
  std::string 檔名1, 檔名;
  int AY = 0, AM = 0, AD = 0, AH = 0, AI = 0;
  std::string 性別, 特運;
  int Y1 = 0, Y2 = 0, M1 = 0, M2 = 0, D1 = 0, D2 = 0, H1 = 0, H2 = 0, L1 = 0, L2 = 0;
  int 流年1 = 0, 流月1 = 0;  // the stepped flowing date
  int 流年 = 0, 流月 = 0;    // the flowing date of the current drawing
  int FM1 = 0;              // the flowing month's stem of the current drawing

 private:
  enum class Direction { Earlier, Later };
  void AddControls();
  // Reads the record named 檔名 into AY .. 特運; says why not and returns to the start screen
  // when it cannot.
  bool ReadBirthValues();
  // The pillars of the birth moment into Y1 .. L2; says why not and goes back when it cannot.
  bool ComputeNatalPillars();
  void StepFlowMonth(Direction direction);
  void StepFlowYear(int years);
  // The end of every step: checks the new flowing year and redraws, or refuses the step.
  void CheckStepAndDraw(Direction direction);
  // An orderly stop: the message, this window hidden, the start screen shown.
  void Refuse(std::string_view message);
  // The message for a failure of the program's own kind while this window works.
  std::string FailureMessage(const Failure& failure) const;
  LuckWindowInputs Inputs() const;
};

}  // namespace qm::luck
