#pragma once
// The natal chart window: the complete natal chart of a birth record, with buttons that move
// the birth moment one day or two hours either way, a print button and a return button.
#include <string>

#include "ui/window.h"

namespace qm::natal {

class Form2 : public ui::Window {
 public:
  static constexpr std::string_view kName = "Form2";
  explicit Form2(ui::Program& program);

  // LoadBirthRecord: reads the record named by the start screen's f檔名 and shows this window
  // in place of the start screen; a record that cannot be read is said in a message and the
  // start screen comes back.
  void Form_Load() override;
  // The draw step: the whole chart of the working date; a failure of any step stops the
  // drawing silently and leaves what was drawn.
  void Form_Activate() override;

  void Command11_Click();  // one day back
  void Command12_Click();  // two hours back
  void Command13_Click();  // two hours forward
  void Command14_Click();  // one day forward
  void cmd_prt_Click();
  void cmd_return1_Click();

  // The window's variables, in the names the window gives them.
  int readform1 = 0;
  std::string 性別, 特運;
  int Yform1 = 0, Mform1 = 0, Dform1 = 0, Hform1 = 0, Iform1 = 0;
  std::string 性別form1, 特運form1;
  std::string 檔名1;
  int Y初 = 0, M初 = 0, D初 = 0, H初 = 0, I初 = 0;

 private:
  void AddControls();
  void Draw();
  void InitWorkingDate();
  // Moves the record copies by the step, keeping them within the calendar tables, and draws
  // the moved moment.
  enum class Step { DayBack, TwoHoursBack, TwoHoursForward, DayForward };
  void StepBirthDate(Step step);
};

}  // namespace qm::natal
