// The luck window on the headless platform: opening, the six step buttons at both limits,
// refusals and reopening, printing, returning, and the orderly stops of a bad record or table.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "luck/form3.h"
#include "support/chart_window_fixture.h"

namespace qm::luck {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

class Form3Test : public test::ChartWindowTest<Form3> {
 protected:
  Form3Test() : ChartWindowTest("form3", "Form3") { WriteRecord("rec", " 73, 8, 12,8,30,M,N"); }

  // What button B does: the record's name and the current year and month, then the load step.
  void Open(const std::string& name, int flowYear, int flowMonth) {
    program.start.f流年 = flowYear;
    program.start.f流月 = flowMonth;
    ChartWindowTest::Open(name);
  }
  // A click on the window whether it is shown or not.
  void Click(const std::string& control) { program.Click(*Window(), control); }
  // The flowing-date line of the last drawing, at (34, 1).
  std::string DateLine() const {
    for (const ui::DrawItem& item : Window()->canvas.Items())
      if (item.x1 == 34 && item.y1 == 1) return item.text;
    return "";
  }
  // Everything drawn at one place, in drawing order, lines and boxes as empty texts: a place
  // found empty holds nothing at all.
  Texts At(double x, double y) const {
    Texts texts;
    for (const ui::DrawItem& item : Window()->canvas.Items())
      if (item.x1 == x && item.y1 == y) texts.push_back(item.text);
    return texts;
  }
  Texts Messages() const {
    Texts texts;
    for (const auto& m : platform.messages) texts.push_back(m.text);
    return texts;
  }
};

TEST_F(Form3Test, OpeningReadsTheRecordAndDrawsTheCurrentMonth) {
  Open("rec", 94, 5);
  ASSERT_TRUE(IsShown());
  EXPECT_FALSE(StartShown());
  Form3& form = *Window();
  EXPECT_EQ(form.canvas.GetScale(), (ui::Scale{0, 0, 87, 26.5}));
  EXPECT_EQ(form.clientWidth, 11880);
  EXPECT_EQ(form.clientHeight, 8190);
  EXPECT_EQ(form.AY, 73);
  EXPECT_EQ(form.AM, 8);
  EXPECT_EQ(form.AI, 30);
  EXPECT_EQ(form.性別, "M");
  // 1984-08-12 8:30 is 甲子 年, 壬申 月, 戊寅 日, 丙辰 時.
  EXPECT_EQ(std::vector<int>({form.Y1, form.Y2, form.M1, form.M2, form.D1, form.D2, form.H1, form.H2}),
            std::vector<int>({1, 1, 9, 9, 5, 3, 3, 5}));
  EXPECT_EQ(DateLine(), "( 5)月 ( 94)年  ( 20.75)歲(實歲)");
  EXPECT_TRUE(platform.messages.empty());
  // The "生於" line one size smaller than the lines above it, so that it ends before the
  // relation list's column at x 23.
  for (const ui::DrawItem& item : form.canvas.Items()) {
    if (item.x1 == 1 && item.y1 >= 17 && item.y1 <= 19) {
      EXPECT_EQ(item.font.size, item.y1 == 19 ? 10.5 : 11.25) << item.text;
    }
  }
}

// The header keeps the stepped year in January and writes the real age as a record number cut
// to six characters: no zero before the point, a minus sign in place of the blank.
TEST_F(Form3Test, TheDateLineShowsTheSteppedDateAndTheRealAge) {
  const struct {
    int year, month;
    const char* line;
    const char* flowYearPillar;  // 歲 at (42, 5) and (42, 6)
  } cases[] = {
      {94, 1, "( 1)月 ( 94)年  ( 20.41)歲(實歲)", "甲申"},
      {73, 6, "( 6)月 ( 73)年  (-.1666)歲(實歲)", "甲子"},
      {73, 9, "( 9)月 ( 73)年  ( .0833)歲(實歲)", "甲子"},
      {120, 12, "(12)月 (120)年  ( 47.33)歲(實歲)", "辛亥"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    if (IsShown()) Click("cmd_return31");
    Open("rec", c.year, c.month);
    ASSERT_TRUE(IsShown());
    EXPECT_EQ(DateLine(), c.line);
    EXPECT_EQ(At(42, 5)[0] + At(42, 6)[0], c.flowYearPillar);
  }
}

struct StepCase {
  const char* what;
  int year, month;       // the flowing date opened
  Texts buttons;         // clicked in order
  int endYear, endMonth;  // the stepped date after them
  const char* refusal;   // the message of the last button, or nothing
};

TEST_F(Form3Test, StepTable) {
  const StepCase cases[] = {
      {"a month earlier from January", 95, 1, {"Command4"}, 94, 12, nullptr},
      {"a month later from December", 94, 12, {"Command5"}, 95, 1, nullptr},
      {"the years keep the month", 94, 5, {"Command6", "Command7", "Command7", "Command9", "Command8"},
       95, 5, nullptr},
      {"the birth year is accepted", 74, 5, {"Command6"}, 73, 5, nullptr},
      {"a year before it is refused", 74, 5, {"Command6", "Command6"}, 72, 5, "流年不可早於出生年"},
      {"120 is accepted", 119, 5, {"Command7"}, 120, 5, nullptr},
      {"121 is refused", 119, 5, {"Command7", "Command7"}, 121, 5, "流年不可超過民國 120 年"},
      {"from 117 five years later is refused outright", 117, 5, {"Command9"}, 122, 5,
       "流年不可超過民國 120 年"},
      {"from two years after the birth five years earlier is refused", 75, 5, {"Command8"}, 70, 5,
       "流年不可早於出生年"},
      {"a month earlier from January of the birth year is refused", 73, 1, {"Command4"}, 72, 12,
       "流年不可早於出生年"},
      {"May of the birth year before an August birth is accepted", 73, 6, {"Command4"}, 73, 5, nullptr},
      {"December 120 one month later is refused", 120, 12, {"Command5"}, 121, 1,
       "流年不可超過民國 120 年"},
  };
  for (const StepCase& c : cases) {
    SCOPED_TRACE(c.what);
    platform.messages.clear();
    if (IsShown()) Click("cmd_return31");
    Open("rec", c.year, c.month);
    ASSERT_TRUE(IsShown());
    std::string before;
    for (const std::string& button : c.buttons) {
      before = DateLine();
      Click(button);
    }
    EXPECT_EQ(Window()->流年1, c.endYear);
    EXPECT_EQ(Window()->流月1, c.endMonth);
    if (c.refusal) {
      EXPECT_EQ(Messages(), Texts{c.refusal});
      EXPECT_FALSE(IsShown());
      EXPECT_TRUE(StartShown());
      EXPECT_EQ(DateLine(), before);  // nothing redrawn
    } else {
      EXPECT_TRUE(Messages().empty());
      EXPECT_TRUE(IsShown());
      const std::string drawnDate = "(" + std::string(c.endMonth < 10 ? " " : "") +
                                    std::to_string(c.endMonth) + ")月 (" +
                                    std::string(c.endYear < 100 ? " " : "") +
                                    std::to_string(c.endYear) + ")年";
      EXPECT_EQ(DateLine().rfind(drawnDate, 0), 0u) << DateLine();
    }
  }
}

TEST_F(Form3Test, ReopeningAfterARefusalStartsFromTheCurrentDate) {
  Open("rec", 74, 5);
  Click("Command8");
  ASSERT_FALSE(IsShown());
  Open("rec", 94, 5);
  ASSERT_TRUE(IsShown());
  EXPECT_EQ(Window()->流年1, 94);
  EXPECT_EQ(DateLine(), "( 5)月 ( 94)年  ( 20.75)歲(實歲)");
}

TEST_F(Form3Test, ACurrentYearPastTheTablesIsRefusedAtOpening) {
  Open("rec", 121, 3);
  EXPECT_EQ(Messages(), Texts{"流年不可超過民國 120 年"});
  EXPECT_FALSE(IsShown());
  EXPECT_TRUE(StartShown());
}

TEST_F(Form3Test, BadRecordsAndTablesStopInOrder) {
  folder.Write("short", " 73, 8, 12\r\n");
  folder.Write("month13", " 73, 13, 12,8,30,M,N\r\n");
  Open("nothing", 94, 5);
  Open("short", 94, 5);
  Open("month13", 94, 5);
  fs::remove(folder / "ONE120.DAT");
  Open("rec", 94, 5);
  EXPECT_EQ(Messages(), (Texts{"找不到出生資料檔：nothing", "出生資料檔內容有誤：short",
                               "出生資料檔內容有誤：month13", "資料檔讀取錯誤：ONE120.DAT"}));
  EXPECT_FALSE(IsShown());
  EXPECT_TRUE(StartShown());
}

TEST_F(Form3Test, PrintingHidesTheButtonsAndTheLegendAndNeverRedraws) {
  Open("rec", 94, 5);
  const std::size_t drawn = Window()->canvas.Items().size();
  // A drawing now would fail on the missing table: printing must not draw.
  fs::remove(folder / "ONE120.DAT");
  Click("cmd_prt2");
  ASSERT_EQ(platform.printJobs.size(), 1u);
  EXPECT_EQ(platform.printJobs[0].visibleControls, Texts{"Label2"});
  EXPECT_EQ(platform.printJobs[0].drawnItems, drawn);
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(IsShown());
  for (const char* name : {"cmd_prt2", "cmd_return31", "Command4", "Command5", "Command6",
                           "Command7", "Command8", "Command9", "Label1"})
    EXPECT_TRUE(Window()->C(name).visible) << name;
}

TEST_F(Form3Test, ReturnClosesTheWindowAndReopeningReadsTheRecordAgain) {
  Open("rec", 94, 5);
  Click("Command7");
  Click("cmd_return31");
  EXPECT_EQ(Window(), nullptr);
  EXPECT_TRUE(StartShown());
  folder.Write("rec", " 80, 2, 12,8,30,F,N\r\n");
  Open("rec", 94, 5);
  ASSERT_TRUE(IsShown());
  EXPECT_EQ(Window()->AY, 80);
  EXPECT_EQ(Window()->流年1, 94);
}

TEST_F(Form3Test, TheCloseBoxReturnsAsTheReturnButtonDoes) {
  Open("rec", 94, 5);
  Click(Window()->closeBox);
  EXPECT_EQ(Window(), nullptr);
  EXPECT_TRUE(StartShown());
}

TEST_F(Form3Test, AnotherActivationDrawsTheSameStep) {
  Open("rec", 94, 5);
  Click("Command5");
  const std::size_t drawn = Window()->canvas.Items().size();
  program.windows.Show(program.windows.Get("form1"));
  program.windows.Settle();
  program.windows.Activate(*Window());
  EXPECT_EQ(DateLine(), "( 6)月 ( 94)年  ( 20.83)歲(實歲)");
  EXPECT_EQ(Window()->canvas.Items().size(), drawn);
}

// A birth 22 hours after 立夏 (1984-05-05 15:50) with the special flag, female, 甲 year: the
// luck runs backward from 己巳 and starts at ten (day 庚子); an age of exactly ten years is in the first
// luck pillar, a month less in the month pillar.
TEST_F(Form3Test, SpecialStartAtTenAndThePillarInForceOnBothSidesOfIt) {
  folder.Write("near", " 73, 5, 6,14,0,F,Y\r\n");
  Open("near", 83, 4);
  ASSERT_TRUE(IsShown());
  EXPECT_EQ(At(1, 20), Texts{"借十歲起運"});
  EXPECT_EQ(At(16, 21), Texts{"(作十歲)"});
  EXPECT_EQ(At(28, 22), (Texts{" 10", "-"}));  // the mark falls on the age's blank
  EXPECT_EQ(At(1, 22), Texts{"100"});
  EXPECT_EQ(At(49, 5), Texts{"己"});  // before the start: the month pillar 己巳
  EXPECT_EQ(At(49, 6), Texts{"巳"});
  Click("Command5");
  EXPECT_EQ(At(49, 5), Texts{"戊"});  // from ten years on: the first pillar backward, 戊辰
  EXPECT_EQ(At(49, 6), Texts{"辰"});
  EXPECT_EQ(folder.Read("BIGFOR").substr(0, 14), "73,5,6, 7, 10,");
}

// A birth of RocYear 1 seen in RocYear 120: 119 years, past the tenth luck pillar. 運 has no
// pillar: its column stays empty, its letter column too, and the rest is drawn.
TEST_F(Form3Test, NoLuckPillarPastTheTenthLeavesItsColumnEmpty) {
  folder.Write("old", " 1, 3, 1,12,0,M,N\r\n");
  Open("old", 120, 3);
  ASSERT_TRUE(IsShown());
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Window()->FM1, 8);  // 流月 of March 120 (辛亥 year): 辛卯
  for (double y : {2.3, 3.3, 5.0, 6.0, 8.0, 9.0, 12.0}) EXPECT_TRUE(At(49, y).empty()) << y;
  for (int s = 1; s <= 10; ++s) {
    EXPECT_TRUE(At(8, s + 3).empty()) << s;
    EXPECT_EQ(At(11, s + 3).size(), 1u) << s;
    EXPECT_EQ(At(14, s + 3).size(), 1u) << s;
  }
  EXPECT_EQ(At(42, 5), Texts{"辛"});
  EXPECT_EQ(At(42, 6), Texts{"亥"});
  EXPECT_EQ(At(65, 21).size(), 1u);
}

}  // namespace
}  // namespace qm::luck
