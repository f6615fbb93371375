#include "luck/form3.h"

#include "base/birth_record.h"
#include "base/roc_year.h"
#include "calendar/calendar.h"
#include "natal/birth_chart_window.h"
#include "ui/control_builders.h"
#include "ui/program.h"
#include "ui/window_protocol.h"

namespace qm::luck {
namespace {

constexpr std::string_view kBeforeBirthYear = "流年不可早於出生年";
constexpr std::string_view kAfterLastYear = "流年不可超過民國 120 年";

}  // namespace

Form3::Form3(ui::Program& program) : ui::Window(program, std::string(kName)) {
  SetChartLook("Form3", 11880, 8190);
  AddControls();
  OnClick("Command4", [this] { Command4_Click(); });
  OnClick("Command5", [this] { Command5_Click(); });
  OnClick("Command6", [this] { Command6_Click(); });
  OnClick("Command7", [this] { Command7_Click(); });
  OnClick("Command8", [this] { Command8_Click(); });
  OnClick("Command9", [this] { Command9_Click(); });
  OnClick("cmd_prt2", [this] { cmd_prt2_Click(); });
  OnClick("cmd_return31", [this] { cmd_return31_Click(); });
  closeBox = "cmd_return31";
}

void Form3::AddControls() {
  using natal::ChartButton;
  const ui::Font kai{"標楷體", 11.25, false};
  const ui::Font small{"細明體", 9.75, false};
  // The title's box is only 17 pixels high: 標楷體 14.25 pt would lose the foot of its strokes.
  ui::Control& title = Add(ui::Label("Label2", std::string(ui::Program::kTitle), {360, 120, 3255, 255},
                                     {"標楷體", 11.25, true}, backColor));
  title.foreColor = 0x0000C0;
  Add(ui::Label("Label1", "<-後 往 前->", {9480, 7320, 1335, 255}, small, backColor));
  Add(ChartButton("Command5", "一月", {8640, 6960, 615, 255}, small));
  Add(ChartButton("Command7", "一年", {8640, 7320, 615, 255}, small));
  Add(ChartButton("Command9", "五年", {8640, 7680, 615, 255}, small));
  Add(ChartButton("Command4", "一月", {10920, 6960, 615, 255}, small));
  Add(ChartButton("Command6", "一年", {10920, 7320, 615, 255}, small));
  Add(ChartButton("Command8", "五年", {10920, 7680, 615, 255}, small));
  Add(ChartButton("cmd_return31", "回主頁", {9600, 6960, 975, 255}, kai));
  Add(ChartButton("cmd_prt2", "列印", {9600, 7680, 975, 255}, kai));
}

void Form3::Form_Load() {
  檔名1 = program.start.f檔名;
  檔名 = 檔名1;
  流年1 = static_cast<int>(program.start.f流年);
  流月1 = program.start.f流月;
  流年 = 流年1;
  流月 = 流月1;
  if (流年1 > kLastRocYear) return Refuse(kAfterLastYear);
  if (!ReadBirthValues() || !ComputeNatalPillars()) return;
  ui::ShowInPlaceOfStart(*this);
}

void Form3::Form_Activate() {
  流年 = 流年1;
  流月 = 流月1;
  try {
    FM1 = DrawLuckWindow(*this, Inputs()).pillars[6].stem;
  } catch (const Failure& failure) {
    Refuse(FailureMessage(failure));
  }
}

LuckWindowInputs Form3::Inputs() const {
  return {{AY, AM, AD, AH, AI}, 性別, 特運, {Y1, Y2, M1, M2, D1, D2, H1, H2, L1, L2}, 流年, 流月};
}

bool Form3::ReadBirthValues() {
  const std::optional<BirthRecord> record = ui::ReadBirthRecordOrReturn(*this, 檔名);
  if (!record) return false;
  AY = record->year, AM = record->month, AD = record->day, AH = record->hour, AI = record->minute;
  性別 = record->sex;
  特運 = record->special;
  return true;
}

bool Form3::ComputeNatalPillars() {
  Pillars p;
  try {
    p = ComputePillars(AY, AM, AD, AH, AI);
  } catch (const Failure& failure) {
    Refuse(FailureMessage(failure));
    return false;
  }
  Y1 = p.YearStem, Y2 = p.YearBranch, M1 = p.MonthStem, M2 = p.MonthBranch;
  D1 = p.DayStem, D2 = p.DayBranch, H1 = p.HourStem, H2 = p.HourBranch;
  L1 = p.LifePalaceStem, L2 = p.LifePalaceBranch;
  return true;
}

void Form3::StepFlowMonth(Direction direction) {
  if (direction == Direction::Earlier) {
    if (流月1 == 1) 流月1 = 12, --流年1;
    else --流月1;
  } else {
    if (流月1 == 12) 流月1 = 1, ++流年1;
    else ++流月1;
  }
  CheckStepAndDraw(direction);
}

void Form3::StepFlowYear(int years) {
  流年1 += years;
  CheckStepAndDraw(years < 0 ? Direction::Earlier : Direction::Later);
}

// Only the year is checked: a month of the birth year before the birth month is accepted. A
// refused step keeps the stepped date until the next opening replaces it.
void Form3::CheckStepAndDraw(Direction direction) {
  流年 = 流年1;
  流月 = 流月1;
  if (!ReadBirthValues()) return;
  if (direction == Direction::Earlier && 流年 < AY) return Refuse(kBeforeBirthYear);
  if (direction == Direction::Later && 流年 > kLastRocYear) return Refuse(kAfterLastYear);
  if (ComputeNatalPillars()) Form_Activate();
}

void Form3::Command4_Click() { StepFlowMonth(Direction::Earlier); }
void Form3::Command5_Click() { StepFlowMonth(Direction::Later); }
void Form3::Command6_Click() { StepFlowYear(-1); }
void Form3::Command7_Click() { StepFlowYear(1); }
void Form3::Command8_Click() { StepFlowYear(-5); }
void Form3::Command9_Click() { StepFlowYear(5); }

void Form3::cmd_prt2_Click() {
  ui::PrintChartWindow(*this, {"cmd_prt2", "cmd_return31", "Command4", "Command5", "Command6",
                               "Command7", "Command8", "Command9", "Label1"});
}

void Form3::cmd_return31_Click() { ui::ReturnToStart(*this); }

void Form3::Refuse(std::string_view message) {
  program.MsgBox(message);
  program.windows.Hide(*this);
  program.windows.Show(program.windows.Get(ui::kStartScreen));
}

// A failure of a file is said as every window says it; any other lies in the birth moment,
// outside what the tables cover.
std::string Form3::FailureMessage(const Failure& failure) const {
  return ui::FileFailureMessage(failure).value_or(
      BirthRecordMessage(BirthRecordProblem::Malformed, 檔名));
}

}  // namespace qm::luck
