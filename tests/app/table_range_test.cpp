// Section 1 refuses a birth moment whose chart the calendar tables cannot draw whole, after the
// date checks and before anything is written; a moment just inside the tables opens the natal
// chart drawn to its last step, the star grid with the conception and breath pillars.
#include <algorithm>

#include "natal/form2.h"
#include "start_screen_fixture.h"

namespace qm::app::test {
namespace {

// The natal chart window itself in place of its stand-in.
class TableRangeTest : public StartScreenTest {
 protected:
  TableRangeTest() {
    program.windows.Register(
        "Form2", [](ui::Program& p) { return std::make_unique<natal::Form2>(p); });
  }
  // Enters the moment under the name "rec" and presses the button; the messages shown.
  std::vector<std::string> Enter(const std::vector<std::string>& date, const std::string& calendar) {
    platform.messages.clear();
    FillDate(date[0], date[1], date[2], date[3], date[4]);
    Set("SUNMOON", calendar);
    Set("newname", "rec");
    Click("Command2");
    return Messages();
  }
  // The natal chart shown, drawn as far as the conception pillar of the star grid.
  bool WholeChartShown() {
    ui::Window* chart = program.windows.Loaded("Form2");
    if (!chart || !program.windows.IsVisible(*chart)) return false;
    const auto& items = chart->canvas.Items();
    return std::any_of(items.begin(), items.end(),
                       [](const ui::DrawItem& item) { return item.text.starts_with("胎元:"); });
  }
};

constexpr const char* kSolar = "陽曆(國曆)";
constexpr const char* kLunar = "陰曆(農曆)";

TEST_F(TableRangeTest, AMomentJustInsideTheTablesOpensItsWholeChart) {
  const std::pair<std::vector<std::string>, const char*> inside[] = {
      {{"1 (1912)  ", "1", "7", "0", "7"}, kSolar},
      {{"120 (2031)", "12", "7", "16", "1"}, kSolar},
      // 十月廿三 of lunar year 120 is 7 December 2031.
      {{"120 (2031)", "10", "23", "16", "1"}, kLunar},
  };
  for (const auto& [date, calendar] : inside) {
    EXPECT_TRUE(Enter(date, calendar).empty()) << date[0] << " " << date[1] << "/" << date[2];
    EXPECT_TRUE(WholeChartShown()) << date[0] << " " << date[1] << "/" << date[2];
    program.Click(*program.windows.Loaded("Form2"), "cmd_return1");
  }
  EXPECT_EQ(ReadFile("rec"), " 120, 12, 7,16,1,M,N\r\n");
}

TEST_F(TableRangeTest, AMomentOutsideTheTablesIsRefusedAndNothingIsWritten) {
  const std::pair<std::vector<std::string>, const char*> outside[] = {
      {{"1 (1912)  ", "1", "1", "0", "30"}, kSolar},
      {{"1 (1912)  ", "1", "7", "0", "6"}, kSolar},
      {{"120 (2031)", "12", "7", "16", "2"}, kSolar},
      {{"120 (2031)", "12", "31", "23", "30"}, kSolar},
      {{"120 (2031)", "10", "23", "16", "2"}, kLunar},
  };
  for (const auto& [date, calendar] : outside)
    EXPECT_EQ(Enter(date, calendar), std::vector<std::string>{"超出曆表範圍（民國1年1月7日0時7分至民國120年12月7日16時2分）"})
        << date[0] << " " << date[1] << "/" << date[2];
  EXPECT_EQ(RecordCount(), 0u);
  EXPECT_EQ(program.windows.Loaded("Form2"), nullptr);
  EXPECT_TRUE(StartShown());
  EXPECT_EQ(program.start.f檔名, "");
  EXPECT_EQ(program.start.fy, "");
}

// Without its tables section 1 can neither turn a lunar date into a Gregorian one nor tell a
// moment inside the tables: it names the table it could not read, as every window does, never
// blaming a field of the entry, and writes nothing.
TEST_F(TableRangeTest, ATableThatCannotBeReadIsNamedAndNothingIsWritten) {
  const std::pair<const char*, const char*> cases[] = {
      {"SEG.DAT", kSolar}, {"BIG1.DAT", kSolar}, {"NEWYEAR.DAT", kLunar},
      {"MYEAR.DAT", kLunar}, {"MOONDAY.DAT", kLunar}};
  for (const auto& [table, calendar] : cases) {
    const std::string good = ReadFile(table);
    WriteFile(table, "");
    EXPECT_EQ(Enter({"73 (1984)", "4", "12", "8", "30"}, calendar),
              std::vector<std::string>{std::string("資料檔讀取錯誤：") + table});
    EXPECT_EQ(RecordCount(), 0u) << table;
    EXPECT_EQ(program.windows.Loaded("Form2"), nullptr) << table;
    WriteFile(table, good);
  }
}

// The date checks come first: a wrong day of a moment outside the tables is the day's fault.
TEST_F(TableRangeTest, TheDateChecksComeFirst) {
  EXPECT_EQ(Enter({"120 (2031)", "12", "32", "23", "30"}, kSolar),
            std::vector<std::string>{"出生時間當中的（日）資料輸入有誤，請重新操作"});
}

// A hand-made record of a moment outside the tables is refused by section 2 in the same words,
// whichever window it is named for, and no window opens on it.
TEST_F(TableRangeTest, ARecordOutsideTheTablesIsRefusedForEveryWindowOfSection2) {
  struct Button {
    const char* name;
    const char* window;
  };
  const Button buttons[] = {{"Command1", "Form2"}, {"Command3", "Form3"}, {"Command5", "Form7"}};
  for (const char* record : {" 120, 12, 31,23,30,M,N\r\n", " 1, 1, 1,0,0,F,N\r\n"}) {
    WriteFile("edited", record);
    Set("oldname", "edited");
    for (const Button& button : buttons) {
      platform.messages.clear();
      Click(button.name);
      EXPECT_EQ(Messages(), std::vector<std::string>{"超出曆表範圍（民國1年1月7日0時7分至民國120年12月7日16時2分）"})
          << record << button.name;
      EXPECT_EQ(program.windows.Loaded(button.window), nullptr) << record << button.name;
      EXPECT_TRUE(StartShown());
    }
  }
  WriteFile("edited", " 120, 12, 7,16,1,M,N\r\n");
  platform.messages.clear();
  Click("Command1");
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(WholeChartShown());
}

}  // namespace
}  // namespace qm::app::test
