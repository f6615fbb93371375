#pragma once
// The six-line hexagram window: the divination time from the clock, a typed date, an old
// hexagram record or typed pillars; the six lines chosen or thrown by coins; the chart drawn on
// every activation; records saved and read, the window printed, and the exit to the start screen.
#include <array>
#include <string>
#include <string_view>

#include "hexagram/divination_time.h"
#include "hexagram/hexagram_chart.h"
#include "hexagram/hexagram_rules.h"
#include "ui/window.h"

namespace qm::hexagram {

class Form8 : public ui::Window {
 public:
  static constexpr std::string_view kName = "Form8";
  explicit Form8(ui::Program& program);

  // Opening: shown, cleared, every mode control hidden, the current-time mode chosen.
  void Form_Load() override;
  // The draw step: the whole chart from the window's state; a failure ends it, a file that
  // failed said in a message.
  void Form_Activate() override;

  void Command1_Click();  // compute: line codes, record, message, chart
  void Option1_Click();   // current time
  void Option2_Click();   // typed date: show its controls
  void Command2_Click();  // typed date: take it, then compute
  void Option3_Click();   // old record: show its controls
  void Command3_Click();  // old record: read it, then draw
  void Option4_Click();   // typed pillars: show their controls
  void Command4_Click();  // typed pillars: take them, then draw
  void Option5_Click();   // exit
  void Option6_Click();   // print
  void Option7_Click();   // coins

  // The window's variables, in the names the window gives them.
  LineCodes lineCodes;  // f初爻 (index 0) .. f六爻 (index 5)
  int CASEA = kCurrentTime;
  DivinationTime chartTime;  // ChartYear, ChartMonth, ChartDay, ChartHour, ChartMinute
  int 古Y1 = 0, 古Y2 = 0, 古M1 = 0, 古M2 = 0, 古D1 = 0, 古D2 = 0, 古H1 = 0, 古H2 = 0;
  std::string RecordFileName;

 private:
  void AddControls();
  // Chooses one option of Option1..Option6, clearing the others.
  void SelectInGroup(std::string_view option);
  // Shows exactly the mode controls of an input mode.
  void ShowModeControls(int mode);
  void SaveRecord();
};

}  // namespace qm::hexagram
