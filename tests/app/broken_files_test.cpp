// Every drawing of every window against every file of the program folder broken in every way
// (missing, empty, cut short, filled with junk, holding values no table holds, a folder in its
// place): a drawing that needs the broken file keeps what it drew before the failure and
// nothing after, and one message names the file; the window becoming active again (as when
// the message closes) draws nothing more. A file that a drawing does not need, or one that it
// writes and can write, changes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/register_windows.h"
#include "support/temp_folder.h"
#include "ui/headless_platform.h"
#include "ui/program.h"
#include "ui/window_protocol.h"

namespace qm::app::test {
namespace {

namespace fs = std::filesystem;

enum class Breakage { Missing, Empty, CutShort, Junk, OutOfRange, Folder };

constexpr Breakage kEveryBreakage[] = {Breakage::Missing, Breakage::Empty,      Breakage::CutShort,
                                       Breakage::Junk,    Breakage::OutOfRange, Breakage::Folder};

const char* NameOf(Breakage b) {
  constexpr const char* kNames[] = {"missing", "empty", "cut short", "junk", "out of range", "folder"};
  return kNames[static_cast<int>(b)];
}

// Every field of a text replaced by `word`, the separators kept: the shape of the table with
// nothing of its content.
std::string EveryFieldAs(const std::string& text, const std::string& word) {
  std::string out;
  bool inField = false;
  for (char c : text) {
    const bool separator = c == ',' || c == '\r' || c == '\n' || c == ' ';
    if (separator) out += c;
    else if (!inField) out += word;
    inField = !separator;
  }
  return out;
}

void Break(const fs::path& file, Breakage breakage) {
  const std::string good = qm::test::ReadWhole(file);
  fs::remove(file);
  auto write = [&](const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; };
  switch (breakage) {
    case Breakage::Missing: break;
    case Breakage::Empty: write(""); break;
    case Breakage::CutShort: write(good.substr(0, good.size() / 2)); break;
    case Breakage::Junk: write(EveryFieldAs(good, "亂碼")); break;
    case Breakage::OutOfRange: write(EveryFieldAs(good, "99")); break;
    case Breakage::Folder: fs::create_directory(file); break;
  }
}

// How a drawing uses a file: the breakages that stop it and the message that says so; and
// whether any other content is shown as it stands (a listing) rather than changing nothing.
struct Use {
  std::string file;
  std::vector<Breakage> stopping;
  std::string message;
  bool shownAsItStands = false;
};

Use Read(const std::string& file) {
  return {file, {std::begin(kEveryBreakage), std::end(kEveryBreakage)}, "資料檔讀取錯誤：" + file};
}
// A table of numbers that are data, any number as good as another: those of 99 are drawn.
Use ReadNumbers(const std::string& file) {
  Use use = Read(file);
  std::erase(use.stopping, Breakage::OutOfRange);
  use.shownAsItStands = true;
  return use;
}
// A table of texts drawn as they stand, any text as good as another (a hidden stem's weight that
// is no number counts nothing): only a table that is not there whole stops the drawing.
Use ReadTexts(const std::string& file) {
  Use use = ReadNumbers(file);
  std::erase(use.stopping, Breakage::Junk);
  return use;
}
Use Written(const std::string& file) { return {file, {Breakage::Folder}, "無法寫入檔案：" + file}; }

const std::vector<std::string> kLunarTables = {"NEWYEAR.DAT", "MYEAR.DAT", "MOONDAY.DAT"};
const std::vector<std::string> kPillarTables = {"SEG.DAT", "BIG1.DAT", "END_DAY.DAT", "MID_DAY.DAT",
                                                "SIXTY.DAT"};
const std::vector<std::string> kZiWeiTables = {"PLACE.DAT", "KING.DAT", "火星.DAT", "鈴星.DAT"};

std::vector<Use> ReadAll(std::initializer_list<std::vector<std::string>> groups,
                         std::vector<Use> more = {}) {
  for (const auto& group : groups)
    for (const std::string& file : group) more.push_back(Read(file));
  return more;
}

bool IsPrefix(const std::vector<std::string>& part, const std::vector<std::string>& whole) {
  return part.size() <= whole.size() && std::equal(part.begin(), part.end(), whole.begin());
}

class BrokenFileTest;

// One drawing of one window: what comes before it with every file good, the action that draws,
// the window whose picture is checked and the files it uses.
struct Drawing {
  std::string name;
  std::string window;
  std::function<void(BrokenFileTest&)> before, act;
  std::vector<Use> uses;
};

void PrintTo(const Drawing& drawing, std::ostream* out) { *out << drawing.name; }

// The good birth record and the luck record that its natal chart writes.
constexpr const char* kRecord = " 73, 5, 12,8,30,M,N\r\n";
constexpr const char* kLuckRecord =
    "73,5,12, 3, 8.16157407407407, 6, 6, 5, 5, 4, 4, 3, 3, 2, 2, 1, 1, 10, 12, 9, 11, 8, 10, 7, 9, 6, 8\r\n";

class BrokenFileTest : public ::testing::TestWithParam<Drawing> {
 protected:
  BrokenFileTest() : folder("broken"), program(platform) {}

  // A fresh program on a fresh folder holding every data file, the birth record and the luck
  // record.
  void Start() {
    program.windows.CloseAll();
    program.windows.Settle();
    platform.messages.clear();
    program.start = {};
    for (const auto& entry : fs::directory_iterator(folder.path())) fs::remove_all(entry.path());
    folder.CopyAllData();
    folder.Write("rec", kRecord);
    folder.Write("BIGFOR", kLuckRecord);
    RegisterWindows(program);
    program.windows.Show(program.windows.Get("form1"));
    program.windows.Settle();
  }

 public:
  void Event(const std::function<void()>& event) { program.RunEvent(event); }
  // What a button of the start screen does once it has stored the window's inputs.
  void Open(const std::string& window) {
    Event([&] { ui::OpenChartWindow(program, window); });
  }
  void Click(const std::string& window, const std::string& control) {
    Event([&] { program.windows.Get(window).Click(control); });
  }
  ui::StartVariables& Vars() { return program.start; }
  ui::Program& Program() { return program; }

 protected:
  // What the window shows: its display list, or the items of the fortune list.
  std::vector<std::string> Picture(const std::string& name) {
    std::vector<std::string> picture;
    const ui::Window* window = program.windows.Loaded(name);
    if (!window) return picture;
    for (const ui::Control& control : window->Controls())
      for (const std::string& item : control.items)
        if (control.kind == ui::ControlKind::ListBox) picture.push_back(item);
    for (const ui::DrawItem& item : window->canvas.Items()) {
      std::ostringstream line;
      line << static_cast<int>(item.kind) << ' ' << item.x1 << ' ' << item.y1 << ' ' << item.x2
           << ' ' << item.y2 << ' ' << item.text;
      picture.push_back(line.str());
    }
    return picture;
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& m : platform.messages) texts.push_back(m.text);
    return texts;
  }

  // Runs the drawing with `file` broken (none: every file good); its picture and messages,
  // then the window made active again as the front does when a message box closes.
  struct Outcome {
    std::vector<std::string> before, picture, messages, afterActivation;
    std::size_t messagesAfterActivation = 0;
  };
  Outcome Run(const Drawing& drawing, const std::string& file, Breakage breakage) {
    Start();
    if (drawing.before) drawing.before(*this);
    platform.messages.clear();
    const std::vector<std::string> before = Picture(drawing.window);
    if (!file.empty()) Break(folder / file, breakage);
    drawing.act(*this);
    Outcome outcome{before, Picture(drawing.window), Messages(), {}, 0};
    if (ui::Window* window = program.windows.Loaded(drawing.window))
      Event([&] { program.windows.Activate(*window); });
    outcome.afterActivation = Picture(drawing.window);
    outcome.messagesAfterActivation = platform.messages.size();
    return outcome;
  }

  // Every file of the program folder that a drawing may meet.
  std::vector<std::string> Files() {
    std::vector<std::string> files = {"BIGFOR", "fortune.PRN"};
    for (const auto& entry : fs::directory_iterator(QM_TEST_DATA_DIR))
      if (entry.path().extension() == ".DAT") files.push_back(entry.path().filename().string());
    return files;
  }

  void Check(const Drawing& drawing) {
    const Outcome good = Run(drawing, "", Breakage::Missing);
    ASSERT_TRUE(good.messages.empty()) << drawing.name << ": " << good.messages[0];
    ASSERT_FALSE(good.picture.empty()) << drawing.name;
    for (const std::string& file : Files()) {
      const Use* use = nullptr;
      for (const Use& u : drawing.uses)
        if (u.file == file) use = &u;
      for (Breakage breakage : kEveryBreakage) {
        const std::string what = drawing.name + ", " + file + " " + NameOf(breakage);
        const Outcome broken = Run(drawing, file, breakage);
        const bool stops =
            use && std::find(use->stopping.begin(), use->stopping.end(), breakage) != use->stopping.end();
        if (!stops) {
          EXPECT_TRUE(broken.messages.empty()) << what << ": " << broken.messages.front();
          if (!use || !use->shownAsItStands) {
            EXPECT_EQ(broken.picture, good.picture) << what;
          }
          continue;
        }
        EXPECT_EQ(broken.messages, std::vector<std::string>{use->message}) << what;
        // Stopped before it cleared the window, or part of the way through the drawing.
        EXPECT_TRUE(broken.picture == broken.before || IsPrefix(broken.picture, good.picture))
            << what;
        EXPECT_EQ(broken.messagesAfterActivation, broken.messages.size()) << what;
        EXPECT_EQ(broken.afterActivation, broken.picture) << what;
      }
    }
  }

  qm::test::TempFolder folder;
  ui::HeadlessPlatform platform;
  ui::Program program;
};

void OpenOnRecord(BrokenFileTest& t, const std::string& window) {
  t.Vars().f檔名 = "rec";
  t.Vars().f流年 = 94;
  t.Vars().f流月 = 5;
  t.Open(window);
}

void OpenFortune(BrokenFileTest& t) {
  ui::StartVariables& v = t.Vars();
  v.f用0 = 1, v.f用1 = 2, v.f喜0 = 3, v.f喜1 = 4, v.f閒0 = 5, v.f閒1 = 6, v.f仇0 = 7, v.f仇1 = 8;
  v.f忌0 = 9, v.f忌1 = 10;
  v.f始年 = 10;
  v.f終年 = 10;
  t.Open("FORM4");
}

void OpenEnteredPillars(BrokenFileTest& t) {
  ui::StartVariables& v = t.Vars();
  v.古Y1 = 1, v.古Y2 = 1, v.古M1 = 3, v.古M2 = 3, v.古D1 = 5, v.古D2 = 5, v.古H1 = 7, v.古H2 = 9;
  v.f性別 = "男";
  v.f幾歲運 = "1";
  t.Open("Form6");
}

// What the start screen's hexagram option does.
void OpenHexagram(BrokenFileTest& t) {
  t.Event([&t] {
    ui::Program& p = t.Program();
    ui::Window& hexagram = p.windows.Get("Form8");
    p.windows.Hide(p.windows.Get("form1"));
    p.windows.Show(hexagram);
    hexagram.Form_Load();
  });
}

const std::vector<Use> kNatalUses =
    ReadAll({kLunarTables, kPillarTables},
            {ReadTexts("地支藏干.DAT"), Read("干週行支.DAT"), ReadNumbers("天干當令.DAT"),
             Read("納音.DAT"), Written("BIGFOR")});
const std::vector<Use> kLuckUses =
    ReadAll({kPillarTables},
            {ReadTexts("地支藏干.DAT"), Read("干週行支.DAT"), ReadNumbers("天干當令.DAT"),
             Read("ONE120.DAT"), Written("BIGFOR")});
const std::vector<Use> kZiWeiUses =
    ReadAll({kLunarTables, kPillarTables, kZiWeiTables},
            {ReadTexts("ABCDE.DAT"), ReadTexts("地支藏干.DAT"), ReadNumbers("天干當令.DAT"),
             Read("納音.DAT")});

const std::vector<Drawing> kDrawings = {
    {"Form2 opening", "Form2", nullptr, [](auto& t) { OpenOnRecord(t, "Form2"); }, kNatalUses},
    {"Form2 day step", "Form2", [](auto& t) { OpenOnRecord(t, "Form2"); },
     [](auto& t) { t.Click("Form2", "Command14"); }, kNatalUses},
    {"Form2 hour step", "Form2", [](auto& t) { OpenOnRecord(t, "Form2"); },
     [](auto& t) { t.Click("Form2", "Command12"); }, kNatalUses},
    {"Form3 opening", "Form3", nullptr, [](auto& t) { OpenOnRecord(t, "Form3"); },
     kLuckUses},
    {"Form3 step", "Form3", [](auto& t) { OpenOnRecord(t, "Form3"); },
     [](auto& t) { t.Click("Form3", "Command5"); },
     kLuckUses},
    {"FORM4 opening", "FORM4", nullptr, OpenFortune,
     {Read("BIGFOR"), Read("SIXTY.DAT"), Written("fortune.PRN")}},
    {"FORM4 shift", "FORM4", OpenFortune, [](auto& t) { t.Click("FORM4", "Command25"); },
     {Read("BIGFOR"), Read("SIXTY.DAT"), Written("fortune.PRN")}},
    {"Form5 list", "Form5", OpenFortune, [](auto& t) { t.Click("FORM4", "list_fortune"); },
     {{"fortune.PRN", {Breakage::Missing, Breakage::Folder}, "資料檔讀取錯誤：fortune.PRN", true}}},
    {"Form6 opening", "Form6", nullptr, OpenEnteredPillars,
     {ReadTexts("地支藏干.DAT"), Read("干週行支.DAT"), ReadNumbers("天干當令.DAT"),
      Read("納音.DAT"), Written("BIGFOR")}},
    {"Form7 opening", "Form7", nullptr, [](auto& t) { OpenOnRecord(t, "Form7"); },
     kZiWeiUses},
    {"Form7 step", "Form7", [](auto& t) { OpenOnRecord(t, "Form7"); },
     [](auto& t) { t.Click("Form7", "Command11"); },
     kZiWeiUses},
    {"Form8 opening", "Form8", nullptr, OpenHexagram, ReadAll({kLunarTables, kPillarTables})},
};

TEST_P(BrokenFileTest, KeepsWhatItDrewAndSaysWhichFileOnce) { Check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(EveryDrawing, BrokenFileTest, ::testing::ValuesIn(kDrawings),
                         [](const ::testing::TestParamInfo<Drawing>& info) {
                           std::string name = info.param.name;
                           std::replace(name.begin(), name.end(), ' ', '_');
                           return name;
                         });

}  // namespace
}  // namespace qm::app::test
