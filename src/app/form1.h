#pragma once
// The start screen: a new birth record (section 1), an existing one (section 2), the element
// roles of the fortune curve (section 3), pillars entered directly (section 4), the hexagram
// entry and the quit button. Its public variables are the program's StartVariables.
#include <optional>
#include <string>
#include <string_view>

#include "calendar/calendar.h"
#include "ui/program.h"
#include "ui/window.h"

namespace qm::app {

class Form1 : public ui::Window {
 public:
  static constexpr std::string_view kName = "form1";
  explicit Form1(ui::Program& program);

  // The load step does nothing: every default is the initial content of the controls.
  void Form_Load() override {}

  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command運勢圖_Click();
  void cmd_quit_Click();
  void Command4_Click();
  void Command5_Click();
  void Option1_Click();

 private:
  void AddControls();
  const std::string& Text(std::string_view control) const { return C(control).text; }
  ui::StartVariables& Vars() { return program.start; }

  // Section 1: the Gregorian moment of the entry, or the message of the first field refused.
  struct EnteredMoment {
    SolarDate date;
    int hour = 0, minute = 0;
  };
  std::optional<EnteredMoment> TestDateFields();
  // Sections 1 and 2: the moment lies within the calendar tables; otherwise says so.
  bool TestTableRange(const EnteredMoment& moment);
  // Buttons A, B and C: the record typed in section 2 can be read and its moment drawn;
  // otherwise says why not.
  bool TestOldRecord();
  void OpenOnOldRecord(std::string_view window);
  // Section 4's warning for a pillar whose stem and branch differ in polarity.
  void WarnParity(int stem, int branch, std::string_view stemList, std::string_view branchList,
                  std::string_view title);
};

}  // namespace qm::app
