#pragma once
// A chart window opened on a birth record: it reads the record, draws the chart of a working
// moment that starts as the record's, moves that moment one day or two hours either way, prints
// itself and returns to the start screen. The natal chart window and the combined chart window
// are such windows; each adds its controls and its drawing.
#include <string>

#include "ui/control_builders.h"
#include "ui/window.h"

namespace qm::natal {

class BirthChartWindow : public ui::Window {
 public:
  BirthChartWindow(ui::Program& program, std::string name);

  // LoadBirthRecord: reads the record named by the start screen's f檔名 and shows this window
  // in place of the start screen; a record that cannot be read is said in a message and the
  // start screen comes back.
  void Form_Load() override;
  // The draw step: the whole chart of the working date; a failure of any step stops the
  // drawing and leaves what was drawn, and a file that failed is said in a message.
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

 protected:
  // The whole chart of the working moment; a qm::Failure ends it where it stands.
  virtual void Draw() = 0;
  // The first step of every drawing: the record's moment on the first one, then the working
  // moment copied back into the record's copies.
  void InitWorkingDate();

 private:
  // Moves the record copies by the step, keeping them inside the calendar's years, and draws
  // the moved moment.
  enum class Step { DayBack, TwoHoursBack, TwoHoursForward, DayForward };
  void StepBirthDate(Step step);
};

// A button of a chart window, in the windows' button colour.
ui::Control ChartButton(std::string name, std::string caption, ui::Place at, ui::Font font);

}  // namespace qm::natal
