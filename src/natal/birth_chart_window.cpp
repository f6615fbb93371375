#include "natal/birth_chart_window.h"

#include <optional>
#include <string>

#include "base/birth_record.h"
#include "base/failure.h"
#include "base/roc_year.h"
#include "calendar/calendar.h"
#include "ui/program.h"
#include "ui/window_protocol.h"

namespace qm::natal {
namespace {

// A step never moves into a moment whose chart the tables cannot draw whole: the message that
// refuses it, none for a moment within the tables. Without the tables nothing can be drawn
// anyway: the step goes on and its drawing stops on the broken table.
std::optional<std::string> RefusalOfStep(int year, int month, int day, int hour, int minute) {
  try {
    if (!IsWithinCalendarTables(year, month, day, hour, minute))
      return OutsideCalendarTablesMessage();
  } catch (const Failure&) {
  }
  return std::nullopt;
}

}  // namespace

ui::Control ChartButton(std::string name, std::string caption, ui::Place at, ui::Font font) {
  constexpr ui::Colour kButtonColour = 0xE0E0E0;
  return ui::Button(std::move(name), std::move(caption), at, std::move(font), kButtonColour);
}

BirthChartWindow::BirthChartWindow(ui::Program& program, std::string name)
    : ui::Window(program, std::move(name)) {
  OnClick("Command11", [this] { Command11_Click(); });
  OnClick("Command12", [this] { Command12_Click(); });
  OnClick("Command13", [this] { Command13_Click(); });
  OnClick("Command14", [this] { Command14_Click(); });
  OnClick("cmd_prt", [this] { cmd_prt_Click(); });
  OnClick("cmd_return1", [this] { cmd_return1_Click(); });
  closeBox = "cmd_return1";
}

void BirthChartWindow::Form_Load() {
  readform1 = 0;
  檔名1 = program.start.f檔名;
  std::optional<BirthRecord> record = ui::ReadBirthRecordOrReturn(*this, 檔名1);
  if (!record) return;
  ui::ShowInPlaceOfStart(*this);
  Yform1 = record->year, Mform1 = record->month, Dform1 = record->day;
  Hform1 = record->hour, Iform1 = record->minute;
  性別form1 = record->sex, 特運form1 = record->special;
}

void BirthChartWindow::Form_Activate() {
  ui::StopOnError(*this, [this] { Draw(); });
}

void BirthChartWindow::InitWorkingDate() {
  if (readform1 == 0) {
    Y初 = Yform1, M初 = Mform1, D初 = Dform1, H初 = Hform1, I初 = Iform1;
    性別 = 性別form1;
    特運 = 特運form1;
    readform1 = 1;
  }
  Yform1 = Y初, Mform1 = M初, Dform1 = D初, Hform1 = H初, Iform1 = I初;
  性別form1 = 性別;
  特運form1 = 特運;
}

void BirthChartWindow::StepBirthDate(Step step) {
  int year = Yform1, month = Mform1, day = Dform1, hour = Hform1;
  // Month ends come from the year being stepped, so 1 March goes back to 29 February only in
  // a leap year.
  auto dayBack = [&] {
    if (day > 1) return void(--day);
    if (month == 1) month = 12, --year;
    else --month;
    day = MonthLengths(year)[month];
  };
  auto dayForward = [&] {
    if (day < MonthLengths(year)[month]) return void(++day);
    if (month == 12) month = 1, ++year;
    else ++month;
    day = 1;
  };
  switch (step) {
    case Step::DayBack: dayBack(); break;
    case Step::DayForward: dayForward(); break;
    case Step::TwoHoursBack:
      if (hour > 1) hour -= 2;
      else hour += 22, dayBack();
      break;
    case Step::TwoHoursForward:
      if (hour < 22) hour += 2;
      else hour -= 22, dayForward();
      break;
  }
  if (const std::optional<std::string> refusal = RefusalOfStep(year, month, day, hour, Iform1)) {
    program.MsgBox(*refusal);
    return;
  }
  Yform1 = year, Mform1 = month, Dform1 = day, Hform1 = hour;
  Y初 = Yform1, M初 = Mform1, D初 = Dform1, H初 = Hform1, I初 = Iform1;
  性別 = 性別form1;
  特運 = 特運form1;
  Form_Activate();
}

void BirthChartWindow::Command11_Click() { StepBirthDate(Step::DayBack); }
void BirthChartWindow::Command12_Click() { StepBirthDate(Step::TwoHoursBack); }
void BirthChartWindow::Command13_Click() { StepBirthDate(Step::TwoHoursForward); }
void BirthChartWindow::Command14_Click() { StepBirthDate(Step::DayForward); }

void BirthChartWindow::cmd_prt_Click() {
  ui::PrintChartWindow(*this, {"cmd_prt", "cmd_return1", "Command11", "Command12", "Command13",
                               "Command14", "Label1"});
}

void BirthChartWindow::cmd_return1_Click() { ui::ReturnToStart(*this); }

}  // namespace qm::natal
