#include "hexagram/form8.h"

#include <limits>
#include <optional>

#include "base/failure.h"
#include "base/names.h"
#include "base/number_text.h"
#include "base/program_folder.h"
#include "base/utf8.h"
#include "hexagram/hexagram_record.h"
#include "ui/program.h"
#include "ui/window_protocol.h"

namespace qm::hexagram {
namespace {

constexpr std::string_view kWrongDate = "日期資料輸入有誤，請重新操作";
constexpr std::string_view kUnreadable = "無法讀取此檔案，請確認檔名";
constexpr std::string_view kRefusedName = "檔名不合用，請重新輸入";
constexpr std::string_view kDefaultNameNote = "本卦系統內定檔名為:   NOW";
constexpr std::string_view kMissingDayStem = "缺少空亡資料，請試輸入（日干）找出空亡的地支";

constexpr std::array<std::string_view, 6> kLineLists = {"初爻", "二爻", "三爻",
                                                        "四爻", "五爻", "六爻"};
// The four items of a line list, in code order "1" .. "4".
constexpr std::array<std::string_view, 4> kLineItems = {"─ 少陽", "Ｏ 老陽", "-- 少陰", "Ｘ 老陰"};

constexpr std::array<std::string_view, 6> kGroupOptions = {"Option1", "Option2", "Option3",
                                                           "Option4", "Option5", "Option6"};

// The controls that each input mode shows; together the 21 mode controls.
constexpr std::array<std::string_view, 8> kTypedDateControls = {
    "曆年", "曆月", "曆日", "曆時", "曆分", "Command2", "Label8", "newname"};
constexpr std::array<std::string_view, 3> kRecordControls = {"Command3", "oldname", "Label7"};
constexpr std::array<std::string_view, 10> kPillarControls = {
    "Command4", "Label9", "古年干", "古年支", "古月干", "古月支", "古日干", "古日支", "古時干", "古時支"};

// Hidden while the window prints, in this order; Option7 lies inside Frame1 and goes with it.
const std::vector<std::string_view> kHiddenForPrint = {
    "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9",
    "Frame1", "Option7", "Option1", "Option2", "Option3", "Option4", "Option5", "Option6",
    "初爻", "二爻", "三爻", "四爻", "五爻", "六爻", "曆年", "曆月", "曆日", "曆時", "曆分",
    "Command1", "Command2", "Command3", "Command4", "oldname", "newname",
    "古年干", "古年支", "古月干", "古月支", "古日干", "古日支", "古時干", "古時支"};

// A typed date field: its leading number, which must be a whole one; its range is the date's
// to judge, so any whole number an int holds passes here.
std::optional<int> WholeNumberOf(std::string_view text) {
  return WholeNumberWithin(TextToNumber(text), std::numeric_limits<int>::min(),
                           std::numeric_limits<int>::max());
}

// Three coins give the line: three odd "2" 老陽, two "1" 少陽, one "3" 少陰, none "4" 老陰.
std::string ThrowLine(ui::Platform& platform) {
  constexpr std::array<std::string_view, 4> kByOddCoins = {"4", "3", "1", "2"};
  int odd = 0;
  for (int coin = 0; coin < 3; ++coin) odd += CoinNumber(platform.Rnd()) % 2;
  return std::string(kByOddCoins[odd]);
}

// The typed year: the part of the text before its first "(", looked for among the first seven
// characters only, so "120 (2031)" gives 120 and a longer typed number keeps its first seven.
std::optional<int> YearOf(std::string_view text) {
  const std::string_view eighth = CharOf(text, 7);
  const std::string_view seven =
      eighth.empty() ? text : text.substr(0, static_cast<std::size_t>(eighth.data() - text.data()));
  return WholeNumberOf(seven.substr(0, seven.find('(')));
}

}  // namespace

Form8::Form8(ui::Program& program) : ui::Window(program, std::string(kName)) {
  SetChartLook("Quillmere  六爻卦程式", 11880, 8190);
  AddControls();
  OnClick("Command1", [this] { Command1_Click(); });
  OnClick("Command2", [this] { Command2_Click(); });
  OnClick("Command3", [this] { Command3_Click(); });
  OnClick("Command4", [this] { Command4_Click(); });
  OnClick("Option1", [this] { Option1_Click(); });
  OnClick("Option2", [this] { Option2_Click(); });
  OnClick("Option3", [this] { Option3_Click(); });
  OnClick("Option4", [this] { Option4_Click(); });
  OnClick("Option5", [this] { Option5_Click(); });
  OnClick("Option6", [this] { Option6_Click(); });
  OnClick("Option7", [this] { Option7_Click(); });
  closeBox = "Option5";
}

void Form8::SelectInGroup(std::string_view option) {
  for (std::string_view o : kGroupOptions) C(o).selected = o == option;
}

void Form8::ShowModeControls(int mode) {
  auto show = [this](auto names, bool visible) {
    for (std::string_view name : names) C(name).visible = visible;
  };
  show(kTypedDateControls, mode == kTypedDate);
  show(kRecordControls, mode == kRecordFile);
  show(kPillarControls, mode == kStemsAndBranches);
}

void Form8::Form_Load() {
  program.windows.Show(*this);
  canvas.Cls();
  Option1_Click();
}

void Form8::Form_Activate() {
  ChartInputs in;
  in.lines = lineCodes;
  in.inputMode = CASEA;
  in.time = chartTime;
  in.entered = {古Y1, 古Y2, 古M1, 古M2, 古D1, 古D2, 古H1, 古H2};
  // A time the calendar cannot serve ends the drawing where it stands.
  ui::StopOnError(*this, [&] {
    const HexagramChart chart = DrawHexagramChart(canvas, in);
    // The void branches need the day stem, which only the typed pillars can lack.
    const int dayStem = chart.pillars.DayStem;
    if (C("Option4").selected && (dayStem < 1 || dayStem > 10)) program.MsgBox(kMissingDayStem);
  });
}

void Form8::Option1_Click() {
  SelectInGroup("Option1");
  ShowModeControls(kCurrentTime);
  chartTime = DivinationTimeOfClock(program.platform.DateText(), program.platform.TimeText());
  CASEA = kCurrentTime;
  RecordFileName = kDefaultRecordName;
}

void Form8::Option2_Click() {
  SelectInGroup("Option2");
  ShowModeControls(kTypedDate);
  CASEA = kTypedDate;
}

void Form8::Command2_Click() {
  std::optional<int> year = YearOf(C("曆年").text), month = WholeNumberOf(C("曆月").text),
                     day = WholeNumberOf(C("曆日").text), hour = WholeNumberOf(C("曆時").text),
                     minute = WholeNumberOf(C("曆分").text);
  const bool numbers = year && month && day && hour && minute;
  const DivinationTime typed =
      numbers ? DivinationTime{*year, *month, *day, *hour, *minute} : DivinationTime{};
  if (!numbers || !IsDivinationTime(typed)) {
    program.MsgBox(kWrongDate);
    return;
  }
  chartTime = typed;
  RecordFileName = C("newname").text;
  // A name that will be refused keeps the date and name boxes shown, so that the user can
  // mend the name: choosing the selected option again would not bring them back.
  if (CanWriteHexagramRecordAs(RecordFileName))
    for (std::string_view name : kTypedDateControls) C(name).visible = false;
  Command1_Click();
}

void Form8::Option3_Click() {
  SelectInGroup("Option3");
  ShowModeControls(kRecordFile);
  CASEA = kRecordFile;
}

void Form8::Command3_Click() {
  const std::string& name = C("oldname").text;
  std::optional<HexagramRecord> record;
  if (IsUsableRecordName(name)) record = ReadHexagramRecord(name);
  if (!record || !IsDivinationTime(record->time)) {
    program.MsgBox(kUnreadable);
    return;
  }
  chartTime = record->time;
  lineCodes = record->lines;
  Form_Activate();
}

void Form8::Option4_Click() {
  SelectInGroup("Option4");
  ShowModeControls(kStemsAndBranches);
  CASEA = kStemsAndBranches;
}

void Form8::Command4_Click() {
  struct Entry {
    std::string_view list;
    int* value;
    bool stem;
  };
  const std::array<Entry, 8> entries = {{
      {"古年干", &古Y1, true}, {"古年支", &古Y2, false}, {"古月干", &古M1, true},
      {"古月支", &古M2, false}, {"古日干", &古D1, true}, {"古日支", &古D2, false},
      {"古時干", &古H1, true}, {"古時支", &古H2, false},
  }};
  for (const Entry& e : entries) {
    const std::string& text = C(e.list).text;
    if (std::optional<int> n = e.stem ? StemFromText(text) : BranchFromText(text)) *e.value = *n;
  }
  Form_Activate();
}

void Form8::Command1_Click() {
  for (int k = 0; k < 6; ++k) {
    const std::string& text = C(kLineLists[k]).text;
    for (int code = 0; code < 4; ++code)
      if (text == kLineItems[code]) lineCodes[k] = std::to_string(code + 1);
  }
  if (CASEA != kStemsAndBranches) SaveRecord();
  if (C("Option1").selected) program.MsgBox(kDefaultNameNote);
  Form_Activate();
}

void Form8::SaveRecord() {
  if (!CanWriteHexagramRecordAs(RecordFileName)) {
    program.MsgBox(kRefusedName);
    return;
  }
  try {
    WriteHexagramRecord(RecordFileName, {chartTime, lineCodes});
  } catch (const Failure& failure) {
    program.MsgBox(ui::FailureMessage(failure));
  }
}

void Form8::Option7_Click() {
  LineCodes thrown;
  for (std::string& line : thrown) line = ThrowLine(program.platform);
  lineCodes = thrown;
  Form_Activate();
  C("Option7").selected = false;
}

void Form8::Option6_Click() {
  SelectInGroup("Option6");
  ui::PrintChartWindow(*this, kHiddenForPrint);
}

void Form8::Option5_Click() {
  ui::ReturnToStart(*this);
  program.windows.Get(ui::kStartScreen).C("Option1").selected = false;
}

}  // namespace qm::hexagram
