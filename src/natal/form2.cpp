#include "natal/form2.h"

#include "base/birth_record.h"
#include "base/failure.h"
#include "base/program_folder.h"
#include "calendar/calendar.h"
#include "natal/draw_pillar_chart.h"
#include "relations/pillar_relations.h"
#include "stars/symbolic_stars.h"
#include "ui/program.h"
#include "ui/window_protocol.h"

namespace qm::natal {
namespace {

constexpr ui::Colour kButtonColour = 0xE0E0E0;

ui::Control Button(std::string name, std::string caption, int left, int top, int width,
                   int height, ui::Font font) {
  ui::Control c;
  c.name = std::move(name);
  c.kind = ui::ControlKind::Button;
  c.text = std::move(caption);
  c.left = left, c.top = top, c.width = width, c.height = height;
  c.font = std::move(font);
  c.backColor = kButtonColour;
  return c;
}

// Runs a drawing; a failure of the program's own kind ends it where it stands, without a word.
template <class Drawing>
void StopOnError(Drawing drawing) {
  try {
    drawing();
  } catch (const Failure&) {
  }
}

// A step never moves into a moment whose chart the tables cannot draw whole. Without the tables
// nothing can be drawn anyway: the step goes on and its drawing stops silently.
bool IsWithinTables(int year, int month, int day, int hour, int minute) {
  try {
    return IsWithinCalendarTables(year, month, day, hour, minute);
  } catch (const Failure&) {
    return true;
  }
}

}  // namespace

Form2::Form2(ui::Program& program) : ui::Window(program, std::string(kName)) {
  caption = "Form2";
  clientWidth = 11880;
  clientHeight = 8511;
  backColor = 0xC0FFFF;
  font = {"細明體", 11.25, false};
  canvas.font = font;
  AddControls();
  OnClick("Command11", [this] { Command11_Click(); });
  OnClick("Command12", [this] { Command12_Click(); });
  OnClick("Command13", [this] { Command13_Click(); });
  OnClick("Command14", [this] { Command14_Click(); });
  OnClick("cmd_prt", [this] { cmd_prt_Click(); });
  OnClick("cmd_return1", [this] { cmd_return1_Click(); });
}

void Form2::AddControls() {
  const ui::Font kai{"標楷體", 11.25, false};
  const ui::Font small{"細明體", 9.75, false};
  ui::Control title;
  title.name = "Label2";
  title.text = std::string(ui::Program::kTitle);
  title.left = 240, title.top = 240, title.width = 3255, title.height = 255;
  title.font = {"標楷體", 14.25, true};
  title.foreColor = 0x0000C0;
  title.backColor = backColor;
  Add(title);
  Add(Button("cmd_prt", "列印", 3960, 120, 975, 375, kai));
  Add(Button("cmd_return1", "回主頁", 5160, 120, 975, 375, kai));
  Add(Button("Command14", "一日", 6600, 120, 615, 255, small));
  Add(Button("Command13", "一時", 7320, 120, 615, 255, small));
  ui::Control direction;
  direction.name = "Label1";
  direction.text = "<--後 往 前-->";
  direction.left = 8160, direction.top = 120, direction.width = 1575, direction.height = 255;
  direction.font = small;
  direction.backColor = backColor;
  Add(direction);
  Add(Button("Command12", "一時", 9720, 120, 615, 255, small));
  Add(Button("Command11", "一日", 10440, 120, 615, 255, small));
}

void Form2::Form_Load() {
  readform1 = 0;
  檔名1 = program.start.f檔名;
  BirthRecord record;
  try {
    record = ReadBirthRecord(ProgramFile(檔名1));
  } catch (const Failure&) {
    program.MsgBox(CheckBirthRecord(ProgramFile(檔名1)) == BirthRecordProblem::Missing
                       ? "找不到出生資料檔：" + 檔名1
                       : "出生資料檔內容有誤：" + 檔名1);
    ui::ReturnToStart(*this);
    return;
  }
  ui::ShowInPlaceOfStart(*this);
  Yform1 = record.year, Mform1 = record.month, Dform1 = record.day;
  Hform1 = record.hour, Iform1 = record.minute;
  性別form1 = record.sex, 特運form1 = record.special;
}

void Form2::Form_Activate() {
  StopOnError([this] { Draw(); });
}

void Form2::Draw() {
  canvas.Cls();
  InitWorkingDate();
  natal::ChartInputs inputs;
  inputs.lunar = SolarToLunar(Y初, M初, D初);
  inputs.pillars = PillarsOfMoment(Y初, M初, D初, H初, I初);
  inputs.year = Y初, inputs.month = M初, inputs.day = D初, inputs.hour = H初, inputs.minute = I初;
  inputs.sex = 性別;
  inputs.special = 特運;
  Chart chart(canvas, std::move(inputs));
  DrawPillarChart(chart);
  relations::PrintPillarRelations(*this, chart.pillarList);
  stars::PrintSymbolicStars(*this, chart.pillarList, 性別);
}

void Form2::InitWorkingDate() {
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

void Form2::StepBirthDate(Step step) {
  int year = Yform1, month = Mform1, day = Dform1, hour = Hform1;
  // A broken record's month has no length; its chart was not drawn either.
  if (month < 1 || month > 12) return;
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
  if (!IsWithinTables(year, month, day, hour, Iform1)) {
    program.MsgBox(kOutsideCalendarTables);
    return;
  }
  Yform1 = year, Mform1 = month, Dform1 = day, Hform1 = hour;
  Y初 = Yform1, M初 = Mform1, D初 = Dform1, H初 = Hform1, I初 = Iform1;
  性別 = 性別form1;
  特運 = 特運form1;
  Form_Activate();
}

void Form2::Command11_Click() { StepBirthDate(Step::DayBack); }
void Form2::Command12_Click() { StepBirthDate(Step::TwoHoursBack); }
void Form2::Command13_Click() { StepBirthDate(Step::TwoHoursForward); }
void Form2::Command14_Click() { StepBirthDate(Step::DayForward); }

void Form2::cmd_prt_Click() {
  ui::PrintChartWindow(*this, {"cmd_prt", "cmd_return1", "Command11", "Command12", "Command13",
                               "Command14", "Label1"});
}

void Form2::cmd_return1_Click() { ui::ReturnToStart(*this); }

}  // namespace qm::natal
