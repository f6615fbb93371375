#include "app/form1.h"

#include <array>

#include "base/birth_record.h"
#include "base/current_date.h"
#include "base/failure.h"
#include "base/names.h"
#include "base/number_text.h"
#include "base/program_folder.h"
#include "base/record_file.h"
#include "calendar/calendar_tables.h"
#include "direct/entered_pillar_chart.h"
#include "ui/window_protocol.h"

namespace qm::app {
namespace {

// The five date fields of section 1 in the order they are tested, each with the message that
// refuses it.
struct DateField {
  std::string_view control;
  std::string_view message;
};
enum FieldIndex { kYear, kMonth, kDay, kHour, kMinute };
constexpr std::array<DateField, 5> kDateFields = {{
    {"曆年", "出生時間當中的（年）資料輸入有誤，請重新操作"},
    {"曆月", "出生時間當中的（月）資料輸入有誤，請重新操作"},
    {"曆日", "出生時間當中的（日）資料輸入有誤，請重新操作"},
    {"曆時", "出生時間當中的（時）資料輸入有誤，請重新操作"},
    {"曆分", "出生時間當中的（分）資料輸入有誤，請重新操作"},
}};

constexpr std::string_view kRefusedName = "檔名不合用，請重新輸入";
constexpr std::string_view kWriteFailed = "無法寫入出生資料檔";
constexpr std::string_view kWrongStartAge = "幾歲起運資料輸入有誤，請重新操作";

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// A text that is a whole number from `low` to `high`, blanks around it allowed.
std::optional<int> WholeNumberIn(std::string_view text, int low, int high) {
  std::string_view digits = Trimmed(text);
  if (digits.empty() || digits.size() > 4) return std::nullopt;
  for (char c : digits)
    if (c < '0' || c > '9') return std::nullopt;
  return WholeNumberWithin(TextToNumber(digits), low, high);
}

// The year of section 1: the RocYear before the "(" of a list item ("73 (1984)" gives 73), or a
// whole number 1 to 120 typed alone, which counts as that item.
std::optional<int> YearOfText(const ui::Control& list) {
  std::string_view text = Trimmed(list.text);
  for (const std::string& item : list.items)
    if (Trimmed(item) == text) return static_cast<int>(TextToNumber(item));
  return WholeNumberIn(text, 1, 120);
}

// The Gregorian date of a lunar entry; says which field is wrong when there is none: a month
// the lunar year lacks is the month's fault, a day past that month's end the day's. A date past
// the last year of the tables comes back as it is, for the range check to refuse in its words.
// A table that cannot be read is no fault of the entry: its failure goes on, to name the table.
std::optional<SolarDate> SolarOfLunar(int year, double month, int day, FieldIndex& wrong) {
  try {
    if (!LunarToSolar(year, month, 1)) {
      wrong = kMonth;
      return std::nullopt;
    }
    std::optional<SolarDate> solar = LunarToSolar(year, month, day);
    // The last lunar months of RocYear 120 fall in 2032, where no table reaches to check the
    // day; the moment lies past the tables whatever the day.
    if (solar && solar->year > kLastRocYear) return solar;
    std::optional<LunarDate> back =
        solar ? SolarToLunar(solar->year, solar->month, solar->day) : std::nullopt;
    if (!back || back->year != year || back->month != month || back->day != day) {
      wrong = kDay;
      return std::nullopt;
    }
    return solar;
  } catch (const Failure& failure) {
    if (failure.File()) throw;
    wrong = kMonth;
    return std::nullopt;
  }
}

}  // namespace

Form1::Form1(ui::Program& program) : ui::Window(program, std::string(kName)) {
  caption = "Korvessa起始畫面";
  clientWidth = 11880;
  clientHeight = 8670;
  backColor = 0x00C0FFFF;
  AddControls();
  OnClick("Command1", [this] { Command1_Click(); });
  OnClick("Command2", [this] { Command2_Click(); });
  OnClick("Command3", [this] { Command3_Click(); });
  OnClick("Command運勢圖", [this] { Command運勢圖_Click(); });
  OnClick("cmd_quit", [this] { cmd_quit_Click(); });
  OnClick("Command4", [this] { Command4_Click(); });
  OnClick("Command5", [this] { Command5_Click(); });
  OnClick("Option1", [this] { Option1_Click(); });
}

std::optional<Form1::EnteredMoment> Form1::TestDateFields() {
  // A field still showing its default text is no number and no list item, so it is refused
  // with the same message as a wrong entry; the first refused field in order is the one said.
  std::array<std::optional<int>, 5> value;
  const bool lunar = Text("SUNMOON") != "陽曆(國曆)";
  auto field = [this](FieldIndex f) -> const std::string& { return Text(kDateFields[f].control); };
  value[kYear] = YearOfText(C(kDateFields[kYear].control));
  value[kMonth] = WholeNumberIn(field(kMonth), 1, 12);
  value[kDay] = WholeNumberIn(field(kDay), 1, lunar ? 30 : 31);
  value[kHour] = WholeNumberIn(field(kHour), 0, 23);
  value[kMinute] = WholeNumberIn(field(kMinute), 0, 59);
  std::optional<FieldIndex> wrong;
  for (int f = kYear; f <= kMinute && !wrong; ++f)
    if (!value[f]) wrong = static_cast<FieldIndex>(f);

  std::optional<SolarDate> date;
  if (!wrong || *wrong > kDay) {
    const int year = *value[kYear], month = *value[kMonth], day = *value[kDay];
    FieldIndex dateWrong = kDay;
    if (lunar) {
      double lunarMonth = Text("LU") == "是" ? month + 0.5 : month;
      try {
        date = SolarOfLunar(year, lunarMonth, day, dateWrong);
      } catch (const Failure& failure) {
        program.MsgBox(ui::FailureMessage(failure));
        return std::nullopt;
      }
    } else if (day <= MonthLengths(year)[month]) {
      date = SolarDate{year, month, day};
    }
    if (!date) wrong = dateWrong;
  }
  if (wrong) {
    program.MsgBox(kDateFields[*wrong].message);
    return std::nullopt;
  }
  return EnteredMoment{*date, *value[kHour], *value[kMinute]};
}

bool Form1::TestTableRange(const EnteredMoment& moment) {
  // A moment the tables cannot draw whole would open a chart that stops half-way.
  try {
    if (IsWithinCalendarTables(moment.date.year, moment.date.month, moment.date.day,
                               moment.hour, moment.minute))
      return true;
    program.MsgBox(OutsideCalendarTablesMessage());
  } catch (const Failure& failure) {
    program.MsgBox(ui::FailureMessage(failure));
  }
  return false;
}

void Form1::Command2_Click() {
  std::optional<EnteredMoment> moment = TestDateFields();
  if (!moment || !TestTableRange(*moment)) return;
  const std::string name = Text("newname");
  // A name taken by anything but a birth record (a table, a program, another kind of record)
  // is refused: only a birth record is ever replaced.
  if (!CanWriteRecordAs(name, IsBirthRecordText)) {
    program.MsgBox(kRefusedName);
    return;
  }
  const std::string special = Text("specialfate") == "是" ? "Y" : "N";
  const std::string sex = Text("SEX") == "男" ? "M" : "F";
  const SolarDate& date = moment->date;
  const std::string fy = RecordNumber(date.year), fm = RecordNumber(date.month),
                    fd = RecordNumber(date.day);
  // The hour and minute as typed, without the blanks that their check let pass: no field of
  // a record has blanks around it, and the hour and minute none before them.
  const std::string fh(Trimmed(Text(kDateFields[kHour].control)));
  const std::string fi(Trimmed(Text(kDateFields[kMinute].control)));
  try {
    WriteRecord(ProgramFile(name), {fy, fm, fd, fh, fi, sex, special});
  } catch (const Failure&) {
    program.MsgBox(kWriteFailed);
    return;
  }
  ui::StartVariables& v = Vars();
  v.fy = fy;
  v.fm = fm;
  v.fd = fd;
  v.fh = fh;
  v.fi = fi;
  v.f性別 = sex;
  v.f特運 = special;
  v.f檔名 = name;
  ui::OpenChartWindow(program, "Form2");
}

bool Form1::TestOldRecord() {
  const std::string& name = Text("oldname");
  if (!IsUsableRecordName(name)) {
    program.MsgBox(kRefusedName);
    return false;
  }
  BirthRecordProblem problem = CheckBirthRecord(ProgramFile(name));
  if (problem != BirthRecordProblem::None) {
    program.MsgBox(BirthRecordMessage(problem, name));
    return false;
  }
  // A record made by hand may name a moment that section 1 would have refused.
  const BirthRecord record = ReadBirthRecord(ProgramFile(name));
  return TestTableRange({{record.year, record.month, record.day}, record.hour, record.minute});
}

void Form1::OpenOnOldRecord(std::string_view window) {
  Vars().f檔名 = Text("oldname");
  ui::OpenChartWindow(program, window);
}

void Form1::Command1_Click() {
  if (TestOldRecord()) OpenOnOldRecord("Form2");
}

void Form1::Command3_Click() {
  if (!TestOldRecord()) return;
  const std::string date = program.platform.DateText();
  Vars().f流年 = CurrentRocYear(date);
  Vars().f流月 = CurrentMonth(date);
  OpenOnOldRecord("Form3");
}

void Form1::Command5_Click() {
  if (TestOldRecord()) OpenOnOldRecord("Form7");
}

void Form1::Command運勢圖_Click() {
  ui::StartVariables& v = Vars();
  // Role by role, index 0 then 1; a text that names no kind leaves its variable as it was.
  const std::array<std::pair<std::string_view, int*>, 10> roles = {{
      {"用(0)", &v.f用0}, {"用(1)", &v.f用1}, {"喜(0)", &v.f喜0}, {"喜(1)", &v.f喜1},
      {"閒(0)", &v.f閒0}, {"閒(1)", &v.f閒1}, {"仇(0)", &v.f仇0}, {"仇(1)", &v.f仇1},
      {"忌(0)", &v.f忌0}, {"忌(1)", &v.f忌1},
  }};
  for (const auto& [list, variable] : roles)
    if (std::optional<int> kind = ElementKindFromText(Text(list))) *variable = *kind;
  v.f始年 = 10;
  v.f終年 = 10;
  ui::OpenChartWindow(program, "FORM4");
}

void Form1::WarnParity(int stem, int branch, std::string_view stemList,
                       std::string_view branchList, std::string_view title) {
  if (stem % 2 != branch % 2) program.MsgBox(Text(stemList) + Text(branchList), title);
}

void Form1::Command4_Click() {
  // Refused before anything is taken: nothing opens and nothing is written.
  if (!direct::IsDrawnStartAge(direct::StartAgeOfText(Text("幾歲運")))) {
    program.MsgBox(kWrongStartAge);
    return;
  }
  ui::StartVariables& v = Vars();
  struct PillarEntry {
    std::string_view stemList, branchList;
    int *stem, *branch;
    std::string_view title;
  };
  const std::array<PillarEntry, 4> pillars = {{
      {"古年干", "古年支", &v.古Y1, &v.古Y2, "年柱干支不會有這種組合"},
      {"古月干", "古月支", &v.古M1, &v.古M2, "月柱干支不會有這種組合"},
      {"古日干", "古日支", &v.古D1, &v.古D2, "日柱干支不會有這種組合"},
      {"古時干", "古時支", &v.古H1, &v.古H2, "時柱干支不會有這種組合"},
  }};
  for (const PillarEntry& p : pillars) {
    if (std::optional<int> stem = StemFromText(Text(p.stemList))) *p.stem = *stem;
    if (std::optional<int> branch = BranchFromText(Text(p.branchList))) *p.branch = *branch;
  }
  for (const PillarEntry& p : pillars)
    WarnParity(*p.stem, *p.branch, p.stemList, p.branchList, p.title);
  v.f性別 = Text("性別");
  v.f幾歲運 = Text("幾歲運");
  ui::OpenChartWindow(program, "Form6");
}

void Form1::Option1_Click() {
  ui::Window& hexagram = program.windows.Get("Form8");
  program.windows.Hide(*this);
  program.windows.Show(hexagram);
  hexagram.Form_Load();
}

void Form1::cmd_quit_Click() {
  program.windows.CloseAll();
  program.windows.Quit();
}

}  // namespace qm::app
