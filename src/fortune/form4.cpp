#include "fortune/form4.h"

#include <algorithm>
#include <vector>

#include "base/current_date.h"
#include "calendar/calendar_tables.h"
#include "fortune/form5.h"
#include "fortune/fortune_curve.h"
#include "fortune/fortune_listing.h"
#include "fortune/fortune_score.h"
#include "natal/luck_record.h"
#include "ui/control_builders.h"
#include "ui/program.h"
#include "ui/window_protocol.h"

namespace qm::fortune {
namespace {

constexpr ui::Colour kButtonFace = 0x00E0E0E0;
constexpr std::string_view kWindowTooShort = "繪圖期限不可小於一年";
constexpr std::string_view kNoBirthYear = "直接輸入干支的命盤沒有出生年，無法繪出運勢圖";
// The window of years is never moved beyond these, so that no count of years can overflow.
constexpr int kYearsLimit = 1000;

struct ButtonSpec {
  std::string_view name, caption;
  int left, width;
  ui::Font font;
};

int WithinLimit(double years) {
  return static_cast<int>(std::clamp(years, double{-kYearsLimit}, double{kYearsLimit}));
}

}  // namespace

FORM4::FORM4(ui::Program& program) : ui::Window(program, std::string(kName)) {
  SetChartLook("運勢曲線圖", 11880, 8190);
  closeBox = "cmd_return41";
  AddControls();
  OnClick("Command25", [this] { Command25_Click(); });
  OnClick("Command_25", [this] { Command_25_Click(); });
  OnClick("Command_5", [this] { Command_5_Click(); });
  OnClick("Command05", [this] { Command05_Click(); });
  OnClick("list_fortune", [this] { list_fortune_Click(); });
  OnClick("cmd_prt3", [this] { cmd_prt3_Click(); });
  OnClick("cmd_return41", [this] { cmd_return41_Click(); });
}

void FORM4::AddControls() {
  // The title's box is 19 pixels high and the frame's top line runs right under it: 標楷體
  // 14.25 pt would lose the foot of its strokes, 12.75 pt would stand them on the line.
  Add(ui::Label("Label2", "Quillmere 八字繪運勢圖程式", {1200, 0, 4815, 285},
                {"標楷體", 12, true}, backColor));
  // One row along the bottom edge, left to right.
  const ui::Font small{"細明體", 9, false};
  const ui::Font kai{"標楷體", 11.25, false};
  const ButtonSpec buttons[] = {
      {"Command25", "前後各加五年", 600, 1335, small},   {"Command_25", "前後各減五年", 2160, 1335, small},
      {"Command_5", "<--往前五年", 3720, 1215, small},   {"Command05", "往後五年-->", 5160, 1215, small},
      {"list_fortune", "顯示運勢資料", 6840, 1215, small}, {"cmd_prt3", "列印", 9360, 855, kai},
      {"cmd_return41", "回主頁", 10440, 1095, kai},
  };
  for (const ButtonSpec& b : buttons)
    Add(ui::Button(std::string(b.name), std::string(b.caption), {b.left, 7680, b.width, 375},
                   b.font, kButtonFace));
}

void FORM4::Form_Load() {
  ui::ShowInPlaceOfStart(*this);
  const ui::StartVariables& v = program.start;
  用神10 = v.f用0, 喜神10 = v.f喜0, 閒神10 = v.f閒0, 仇神10 = v.f仇0, 忌神10 = v.f忌0;
  用神11 = v.f用1, 喜神11 = v.f喜1, 閒神11 = v.f閒1, 仇神11 = v.f仇1, 忌神11 = v.f忌1;
  始年1 = WithinLimit(v.f始年);
  終年1 = WithinLimit(v.f終年);
  DrawFortuneWindow();
}

void FORM4::DrawFortuneWindow() {
  ui::StopOnError(*this, [this] { Draw(); });
}

void FORM4::Draw() {
  program.windows.Show(*this);
  const natal::LuckRecord record = natal::ReadLuckRecord();
  DrawFortuneFrame(canvas);
  始年c = 始年1;
  終年c = 終年1;
  const int birthYear = BirthYearOf(record);
  const int now = static_cast<int>(CurrentRocYear(program.platform.DateText()));
  const FortuneWindow window = FortuneWindowOf(birthYear, now, 始年1, 終年1);
  YL = window.Span();
  if (YL < 1) return RefuseEmptyWindow(record.birth.has_value());
  canvas.drawWidth = 1;
  const RoleChoices choices = {{{用神10, 用神11}, {喜神10, 喜神11}, {閒神10, 閒神11},
                                {仇神10, 仇神11}, {忌神10, 忌神11}}};
  const auto yearPillars = AgeYearPillars(birthYear, ReadSixtyCycleTable());
  const std::vector<FortuneMonth> months = FortuneMonths(record, choices, window, yearPillars);
  WriteFortuneListing(months);
  std::vector<double> before;
  before.reserve(months.size());
  for (const FortuneMonth& month : months) before.push_back(month.before);
  DrawFortuneCurve(canvas, before);
  DrawYearGrid(canvas, YL);
  PrintFortuneTexts(canvas, {choices, window, birthYear, record.dayStem, yearPillars});
}

void FORM4::RefuseEmptyWindow(bool hasBirthYear) {
  // A chart from entered pillars has no birth year and counts its ages from RocYear 0, so from
  // RocYear 110 on its window is empty whatever the years: the refusal says so.
  program.MsgBox(hasBirthYear ? kWindowTooShort : kNoBirthYear);
  program.windows.Hide(*this);
  CloseListWindow();
  program.windows.Show(program.windows.Get(ui::kStartScreen));
}

void FORM4::ShiftFortuneWindow(int back, int ahead) {
  始年1 = WithinLimit(back);
  終年1 = WithinLimit(ahead);
  DrawFortuneWindow();
}

void FORM4::Command_5_Click() { ShiftFortuneWindow(始年c + 5, 終年c); }
void FORM4::Command05_Click() { ShiftFortuneWindow(始年c, 終年c + 5); }
void FORM4::Command25_Click() { ShiftFortuneWindow(始年c + 5, 終年c + 5); }

// A narrow window (12 years or less, as drawn last) narrows by two years each side, a wider one
// by five.
void FORM4::Command_25_Click() {
  const int step = YL <= 12 ? 2 : 5;
  ShiftFortuneWindow(始年c - step, 終年c - step);
}

// The list window draws itself when it becomes active, which it does once this event is over:
// its draw step runs once, and a listing that cannot be read is said once.
void FORM4::list_fortune_Click() { program.windows.Show(program.windows.Get(Form5::kName)); }

void FORM4::cmd_prt3_Click() {
  ui::PrintChartWindow(*this, {"cmd_return41", "cmd_prt3", "list_fortune", "Command_25",
                               "Command05", "Command25", "Command_5"});
}

void FORM4::cmd_return41_Click() {
  CloseListWindow();
  ui::ReturnToStart(*this);
}

void FORM4::CloseListWindow() {
  if (ui::Window* list = program.windows.Loaded(Form5::kName)) program.windows.Close(*list);
}

}  // namespace qm::fortune
