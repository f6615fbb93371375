// The window of entered pillars opened from section 4 of the start screen: the worked chart,
// the sex and start-age texts, the direction of the luck, a pillar of mismatched polarity, a full
// relation list, drawings stopped by a failure, printing, returning and opening again.
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <utility>
#include <string>
#include <vector>

#include "app/form1.h"
#include "direct/entered_pillar_chart.h"
#include "direct/form6.h"
#include "support/chart_window_fixture.h"

namespace qm::direct::test {
namespace {

class Form6Test : public qm::test::ChartWindowTest<Form6, app::Form1> {
 protected:
  Form6Test() : ChartWindowTest("form6", "Form6") {}

  // Section 4 as the user fills it: the pillars as "甲子 丙寅 戊辰 庚申" (year to hour), the
  // sex text and the start-age text; then its button.
  void Open(const std::string& pillars, const std::string& sex = "男", const std::string& age = "1") {
    const char* lists[] = {"古年干", "古年支", "古月干", "古月支", "古日干", "古日支", "古時干", "古時支"};
    std::string chars;
    for (char c : pillars)
      if (c != ' ') chars += c;
    for (std::size_t i = 0; i < 8; ++i) Start().C(lists[i]).text = chars.substr(3 * i, 3);
    Start().C("性別").text = sex;
    Start().C("幾歲運").text = age;
    program.Click(Start(), "Command4");
  }
  std::string First(double x, double y) {
    Texts texts = At(x, y);
    return texts.empty() ? "" : texts.front();
  }
  bool AnyTextHas(const std::string& part) {
    for (const ui::DrawItem& item : Shown().canvas.Items())
      if (item.text.find(part) != std::string::npos) return true;
    return false;
  }
  // The ages printed over the ten luck pillars, right to left.
  Texts Ages() {
    Texts ages;
    for (int k = 1; k <= 10; ++k) ages.push_back(First(31 - 3 * k, 21));
    return ages;
  }
};

TEST_F(Form6Test, TheWorkedChartIsDrawnOnceWithoutBirthLinesLifePalaceOrLuckStart) {
  Open("甲子 丙寅 戊辰 庚申");
  Form6& form = Shown();
  EXPECT_FALSE(program.windows.IsVisible(Start()));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(form.canvas.GetScale(), (ui::Scale{0, -0.5, 87, 26.5}));
  EXPECT_EQ(form.性別, "M");
  EXPECT_EQ(At(32, 21), Texts{"男"});
  // No birth lines, no life palace, no luck start lines.
  const std::pair<double, double> empty[] = {{32, 22}, {32, 23}, {35, 21}, {1, 17}, {1, 18}, {1, 19}, {1, 20}};
  for (auto [x, y] : empty) EXPECT_TRUE(At(x, y).empty()) << x << "," << y;
  EXPECT_FALSE(AnyTextHas("司令"));
  EXPECT_FALSE(AnyTextHas("命宮"));
  // Ten gods of 甲 丙 庚 against the day stem 戊, and the day master's mark.
  const std::pair<double, const char*> gods[] = {{77, "七殺"}, {70, "偏印"}, {63, "命主"}, {56, "食神"}};
  for (auto [x, god] : gods) EXPECT_EQ(First(x, 2) + First(x, 3), god) << x;
  // Scores 3 -7, 7 3, 1 -6, -1 -1; 甲 and 寅 in season in a 寅 month: 1.2 x 6 - 7 = 0.2.
  const std::tuple<double, const char*, const char*> scores[] = {
      {79, " 3", "-7"}, {72, " 7", " 3"}, {65, " 1", "-6"}, {58, "-1", "-1"}};
  for (auto [x, stem, branch] : scores) {
    EXPECT_EQ(At(x, 8), Texts{stem}) << x;
    EXPECT_EQ(At(x, 9), Texts{branch}) << x;
  }
  EXPECT_EQ(At(27, 17), Texts{"陰陽氣含: 0.20"});
  EXPECT_EQ(At(46, 21), Texts{"純陽"});
  // A yang year and a man: forward from 丙寅, the first at age 1.
  const char* luck[] = {"丁卯", "戊辰", "己巳", "庚午", "辛未", "壬申", "癸酉", "甲戌", "乙亥", "丙子"};
  for (int k = 1; k <= 10; ++k)
    EXPECT_EQ(First(32 - 3 * k, 22) + First(32 - 3 * k, 23), luck[k - 1]) << k;
  EXPECT_EQ(Ages(), (Texts{" 1", " 11", " 21", " 31", " 41", " 51", " 61", " 71", " 81", " 91"}));
  EXPECT_EQ(folder.Read("BIGFOR"),
            ",,, 5, 1, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 1, 11, 2, 12, 3, 1\r\n");
  // The relation list and the star grid close the drawing.
  EXPECT_EQ(At(43, 2), Texts{"甲得根在寅*"});
  EXPECT_EQ(At(12, 24), Texts{"胎息:癸酉"});

  // Becoming active again draws nothing more.
  std::filesystem::remove(folder / "BIGFOR");
  const std::size_t items = form.canvas.Items().size();
  form.Form_Activate();
  program.windows.Settle();
  EXPECT_FALSE(std::filesystem::exists(folder / "BIGFOR"));
  EXPECT_EQ(form.canvas.Items().size(), items);
}

TEST_F(Form6Test, TheSexTextAndTheYearStemGiveTheDirectionOfTheLuck) {
  struct Case {
    const char* year;
    const char* sexText;
    const char* shown;
    const char* firstLuck;  // the month 丙寅 one step forward (丁卯) or back (乙丑)
    const char* record;     // BIGFOR from the first luck pillar on
  };
  const Case cases[] = {
      {"甲子", "男", "男", "丁卯", " 4, 4, 5, 5,"},
      {"甲子", "女", "女", "乙丑", " 2, 2, 1, 1,"},
      {"甲子", "", "女", "乙丑", " 2, 2, 1, 1,"},
      {"甲子", "M", "女", "乙丑", " 2, 2, 1, 1,"},
      {"乙丑", "男", "男", "乙丑", " 2, 2, 1, 1,"},
      {"乙丑", "女", "女", "丁卯", " 4, 4, 5, 5,"},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(std::string(t.year) + " " + t.sexText);
    Open(std::string(t.year) + " 丙寅 戊辰 庚申", t.sexText);
    EXPECT_EQ(At(32, 21), Texts{t.shown});
    EXPECT_EQ(First(29, 22) + First(29, 23), t.firstLuck);
    const std::string record = std::string(",,, 5, 1, 3, 3,") + t.record;
    EXPECT_EQ(folder.Read("BIGFOR").substr(0, record.size()), record);
    program.Click(Shown(), "cmd_return1");
  }
}

TEST_F(Form6Test, TheStartAgeIsTheLeadingNumberOfItsTextCutDownForTheAges) {
  struct Case {
    const char* text;
    const char* field;  // field 5 of BIGFOR
    Texts ages;
  };
  const Case cases[] = {
      {"10", " 10", {" 10", " 20", " 30", " 40", " 50", " 60", " 70", " 80", " 90", "100"}},
      {"3.5", " 3.5", {" 3", " 13", " 23", " 33", " 43", " 53", " 63", " 73", " 83", " 93"}},
      {"abc", " 0", {" 0", " 10", " 20", " 30", " 40", " 50", " 60", " 70", " 80", " 90"}},
      {" 7.9歲", " 7.9", {" 7", " 17", " 27", " 37", " 47", " 57", " 67", " 77", " 87", " 97"}},
      {"0", " 0", {" 0", " 10", " 20", " 30", " 40", " 50", " 60", " 70", " 80", " 90"}},
      // The last age taken; the later ages are cut to three places.
      {"100", " 100", {"100", "110", "120", "130", "140", "150", "160", "170", "180", "190"}},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.text);
    Open("甲子 丙寅 戊辰 庚申", "男", t.text);
    EXPECT_EQ(Ages(), t.ages);
    EXPECT_EQ(folder.Read("BIGFOR"), std::string(",,, 5,") + t.field +
                                         ", 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 1, 11,"
                                         " 2, 12, 3, 1\r\n");
    program.Click(Shown(), "cmd_return1");
  }
}

// A start age whose leading number is not from 0 to 100 is refused on the start screen: the
// window does not open and BIGFOR is not written. 309 digits read as infinity.
TEST_F(Form6Test, AStartAgeOutsideZeroToHundredIsRefusedAndNothingOpensOrIsWritten) {
  const std::string refused[] = {"-2", "-0.5", "100.5", "101", "99999999999",
                                 std::string(308, '9'), "1" + std::string(309, '0'),
                                 std::string(400, '9') + ".5歲"};
  for (const std::string& age : refused) {
    SCOPED_TRACE(age.substr(0, 20));
    platform.messages.clear();
    Open("甲子 丙寅 戊辰 庚申", "男", age);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages.empty() ? "" : platform.messages[0].text,
              "幾歲起運資料輸入有誤，請重新操作");
    EXPECT_EQ(Window(), nullptr);
    EXPECT_TRUE(StartShown());
    EXPECT_FALSE(std::filesystem::exists(folder / "BIGFOR"));
    EXPECT_EQ(program.start.f幾歲運, "");
  }
}

TEST(StartAge, IsDrawnFromZeroToHundredOnly) {
  const std::pair<double, bool> cases[] = {
      {0, true}, {3.5, true}, {100, true}, {-0.5, false}, {100.01, false}, {1e300, false},
      {std::numeric_limits<double>::infinity(), false},
      {-std::numeric_limits<double>::infinity(), false},
      {std::numeric_limits<double>::quiet_NaN(), false}};
  for (const auto& [age, drawn] : cases) EXPECT_EQ(IsDrawnStartAge(age), drawn) << age;
}

TEST_F(Form6Test, AMismatchedPillarIsWarnedAboutAndDrawnWithBlankNayinCells) {
  Open("甲丑 丙寅 戊辰 庚申");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "年柱干支不會有這種組合");
  EXPECT_EQ(platform.messages[0].text, "甲丑");
  EXPECT_EQ(First(77, 8) + First(77, 9), "甲丑");
  EXPECT_TRUE(At(79, 6).empty());
  EXPECT_TRUE(At(79, 7).empty());
  // 丙寅 火 in 生, 戊辰 木 in 衰, 庚申 木 in 絕.
  const std::tuple<double, const char*, const char*> nayin[] = {{72, "火", "生"}, {65, "木", "衰"}, {58, "木", "絕"}};
  for (auto [x, element, stage] : nayin) {
    EXPECT_EQ(At(x, 6), Texts{element}) << x;
    EXPECT_EQ(At(x, 7), Texts{stage}) << x;
  }
  EXPECT_EQ(First(3, 24).substr(0, 7), "胎元:");
}

TEST_F(Form6Test, TwentyOneRelationsListTwentyAndTheDrawingGoesOn) {
  Open("甲申 己亥 癸巳 庚寅");
  EXPECT_TRUE(platform.messages.empty());
  Texts lines;
  for (int row = 2; row <= 22; ++row)
    for (const std::string& text : At(43, row)) lines.push_back(text);
  ASSERT_EQ(lines.size(), 20u);
  EXPECT_EQ(lines.back(), "日干支沖");
  EXPECT_FALSE(AnyTextHas("時干支沖"));
  EXPECT_EQ(First(3, 24).substr(0, 7), "胎元:");
}

TEST_F(Form6Test, AFailureEndsTheDrawingSilentlyWhereItStands) {
  struct Case {
    const char* what;
    const char* pillars;   // "Ｘ" for a text that names no stem or branch: never set
    const char* missing;   // a table removed from the program folder, or none
    Texts drawn;           // texts that the drawing shows
    Texts notDrawn;        // texts it never reaches
    bool record;           // BIGFOR written
  };
  const Case cases[] = {
      {"year stem never chosen", "ＸＸ 丙寅 戊辰 庚申", "", {"男"}, {"丙", "寅"}, false},
      {"month branch never chosen", "甲子 丙Ｘ 戊辰 庚申", "", {"男", "甲", "子", "丙"}, {"戊"}, false},
      {"no hidden-stem table", "甲子 丙寅 戊辰 庚申", "地支藏干.DAT", {"庚", "囚"}, {"七"}, false},
      {"no nayin table", "甲子 丙寅 戊辰 庚申", "納音.DAT", {"日干旺度: 2.80", "九仙訣( 3 : 6 )"},
       {"寅申沖", "胎元:丁巳"}, true},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.what);
    std::filesystem::remove(folder / "BIGFOR");
    if (*t.missing) std::filesystem::remove(folder / t.missing);
    // Start variables never set, so that a text naming nothing leaves its pillar at none.
    program.start = {};
    Open(t.pillars);
    Form6& form = Shown();
    EXPECT_TRUE(platform.messages.size() <= 1u);  // the parity warning of a pillar never set
    for (const std::string& text : t.drawn) EXPECT_TRUE(AnyTextHas(text)) << text;
    for (const std::string& text : t.notDrawn) EXPECT_FALSE(AnyTextHas(text)) << text;
    EXPECT_EQ(std::filesystem::exists(folder / "BIGFOR"), t.record);
    // The buttons still work, and the table put back is read again by the next opening.
    program.Click(form, "cmd_return1");
    EXPECT_EQ(Window(), nullptr);
    EXPECT_TRUE(program.windows.IsVisible(Start()));
    if (*t.missing) folder.CopyData(t.missing);
    platform.messages.clear();
  }
  Open("甲子 丙寅 戊辰 庚申");
  EXPECT_EQ(At(79, 6), Texts{"金"});
}

TEST_F(Form6Test, PrintingLeavesOutTheButtonsAndShowsThemAgain) {
  Open("甲子 丙寅 戊辰 庚申");
  const std::size_t items = Shown().canvas.Items().size();
  program.Click(Shown(), "cmd_prt");
  ASSERT_EQ(platform.printJobs.size(), 1u);
  EXPECT_EQ(platform.printJobs[0].window, "Form6");
  EXPECT_EQ(platform.printJobs[0].visibleControls, Texts{"Label2"});
  for (const ui::Control& c : Shown().Controls()) EXPECT_TRUE(c.visible) << c.name;
  EXPECT_EQ(Shown().canvas.Items().size(), items);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Form6Test, ReturningAndOpeningAgainDrawsTheNewEntriesAndReplacesTheRecord) {
  Open("甲子 丙寅 戊辰 庚申");
  program.Click(Shown(), "cmd_return1");
  EXPECT_EQ(Window(), nullptr);
  EXPECT_TRUE(program.windows.IsVisible(Start()));
  EXPECT_EQ(Start().C("古年干").text, "甲");

  Open("乙丑 己卯 辛卯 癸巳", "女", "4");
  EXPECT_EQ(First(77, 8) + First(70, 8) + First(63, 8) + First(56, 8), "乙己辛癸");
  EXPECT_EQ(At(46, 21), Texts{"純陰"});
  // A yin year and a woman: forward from 己卯.
  EXPECT_EQ(folder.Read("BIGFOR"),
            ",,, 8, 4, 6, 4, 7, 5, 8, 6, 9, 7, 10, 8, 1, 9, 2, 10, 3, 11, 4, 12, 5, 1, 6, 2\r\n");
  // The title bar's close box returns as the button does.
  program.Click(Shown(), Shown().closeBox);
  EXPECT_EQ(Window(), nullptr);
  EXPECT_TRUE(program.windows.IsVisible(Start()));
}

}  // namespace
}  // namespace qm::direct::test
