// The hexagram window on the headless platform, opened from the start screen: its input modes,
// the compute button and the record, the coin draw, printing, the exit and the refusals.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "app/register_windows.h"
#include "hexagram/form8.h"
#include "support/temp_folder.h"
#include "ui/headless_platform.h"
#include "ui/program.h"

namespace qm::hexagram {
namespace {

using Texts = std::vector<std::string>;

class Form8Test : public ::testing::Test {
 protected:
  Form8Test() : folder("form8"), program(platform) {
    folder.CopyAllData();
    platform.date = "2005/5/11";
    platform.time = "下午 03:07:05";
    app::StartProgram(program);
    Click("form1", "Option1");
  }

  Form8* Window() const { return dynamic_cast<Form8*>(program.windows.Loaded("Form8")); }
  Form8& Form() {
    Form8* form = Window();
    EXPECT_TRUE(form && program.windows.IsVisible(*form));
    return *form;
  }
  void Click(const std::string& window, const std::string& control) {
    ui::Window& w = program.windows.Get(window);
    ASSERT_TRUE(w.C(control).visible) << control;
    program.RunEvent([&] { w.Click(control); });
  }
  void Click(const std::string& control) { Click("Form8", control); }
  void Set(const std::string& control, const std::string& text) { Form().C(control).text = text; }
  void SetLines(const Texts& items) {
    const Texts lists = {"初爻", "二爻", "三爻", "四爻", "五爻", "六爻"};
    for (int k = 0; k < 6; ++k) Set(lists[k], items[k]);
  }
  void SetDate(const Texts& fields) {
    const Texts lists = {"曆年", "曆月", "曆日", "曆時", "曆分"};
    for (int i = 0; i < 5; ++i) Set(lists[i], fields[i]);
  }
  Texts At(double x, double y) {
    Texts texts;
    for (const ui::DrawItem& item : Form().canvas.Items())
      if (item.kind == ui::DrawItem::Kind::Text && item.x1 == x && item.y1 == y)
        texts.push_back(item.text);
    return texts;
  }
  Texts Messages() {
    Texts texts;
    for (const auto& m : platform.messages) texts.push_back(m.text);
    platform.messages.clear();
    return texts;
  }
  bool Visible(const std::string& control) { return Form().C(control).visible; }
  bool Exists(const std::string& name) { return std::filesystem::exists(folder / name); }

  test::TempFolder folder;
  ui::HeadlessPlatform platform;
  ui::Program program;
};

const Texts kExampleLines = {"─ 少陽", "Ｏ 老陽", "-- 少陰", "Ｘ 老陰", "─ 少陽", "-- 少陰"};
const std::string kExampleRecord = " 94, 5, 11, 15, 7,1,2,3,4,1,3\r\n";
const Texts kModeControls = {"曆年", "曆月", "曆日", "曆時", "曆分", "Command2", "Command3",
                             "Command4", "oldname", "Label7", "Label8", "Label9", "newname",
                             "古年干", "古年支", "古月干", "古月支", "古日干", "古日支", "古時干",
                             "古時支"};

TEST_F(Form8Test, OpensOnTheCurrentTimeWithKunWeiDi) {
  Form8& form = Form();
  EXPECT_FALSE(program.windows.IsVisible(program.windows.Get("form1")));
  EXPECT_EQ(form.caption, "Quillmere  六爻卦程式");
  EXPECT_EQ(form.CASEA, kCurrentTime);
  EXPECT_EQ(form.RecordFileName, "NOW");
  EXPECT_EQ(form.chartTime, (DivinationTime{94, 5, 11, 15, 7}));
  EXPECT_TRUE(form.C("Option1").selected);
  for (const std::string& name : kModeControls) EXPECT_FALSE(Visible(name)) << name;
  EXPECT_EQ(At(30, 14), Texts{"坤為地"});
  EXPECT_EQ(At(22, 15), Texts{"坤 1 宮"});
  EXPECT_EQ(At(33, 15), Texts{"六沖卦"});
  EXPECT_EQ(At(1, 2), Texts{"陽曆 94 /5/11 15:7 占"});
  EXPECT_EQ(At(1, 3), Texts{"陰曆 94/ 4/ 4"});
  EXPECT_EQ(At(39.5, 22), Texts{});  // no moving line, no arrow
  EXPECT_EQ(Messages(), Texts{});
}

TEST_F(Form8Test, ComputeInTheCurrentTimeModeWritesNowAndSaysSo) {
  SetLines(kExampleLines);
  Click("Command1");
  EXPECT_EQ(folder.Read("NOW"), kExampleRecord);
  EXPECT_EQ(Messages(), Texts{"本卦系統內定檔名為:   NOW"});
  EXPECT_EQ(At(30, 14), Texts{"水澤節"});
  EXPECT_EQ(At(64, 14), Texts{"澤雷隨"});
  EXPECT_EQ(At(24.8, 21), Texts{"O"});
  EXPECT_EQ(At(24.8, 19), Texts{"X"});
  EXPECT_EQ(At(67, 15), Texts{"歸魂卦"});
}

TEST_F(Form8Test, TheCurrentTimeIsTakenWhenTheOptionIsChosen) {
  platform.time = "上午 12:05:00";
  Click("Option2");
  Click("Option1");
  EXPECT_EQ(Form().chartTime, (DivinationTime{94, 5, 11, 0, 5}));
  platform.time = "下午 12:05:00";
  Click("Option3");
  Click("Option1");
  EXPECT_EQ(Form().chartTime, (DivinationTime{94, 5, 11, 12, 5}));
}

TEST_F(Form8Test, ATypedDateWritesItsNamedRecordWithoutAMessage) {
  Click("Option2");
  for (const char* name : {"曆年", "曆月", "曆日", "曆時", "曆分", "Command2", "Label8", "newname"})
    EXPECT_TRUE(Visible(name)) << name;
  EXPECT_FALSE(Visible("Command3"));
  SetDate({"93 (2004)", "5", "12", "8", "5"});
  Set("newname", "卦一");
  SetLines(kExampleLines);
  Click("Command2");
  EXPECT_EQ(Messages(), Texts{});
  EXPECT_EQ(folder.Read("卦一"), " 93, 5, 12, 8, 5,1,2,3,4,1,3\r\n");
  EXPECT_FALSE(Exists("NOW"));
  EXPECT_EQ(At(1, 2), Texts{"陽曆 93 /5/12 8:5 占"});
  EXPECT_FALSE(Visible("曆年"));
  EXPECT_FALSE(Visible("newname"));
}

TEST_F(Form8Test, TheTypedYearIsTheNumberBeforeTheParenthesisInItsFirstSevenCharacters) {
  struct Case {
    std::string text;
    int year;
  };
  const std::vector<Case> cases = {
      {"73 (1984)", 73}, {"100 (2011)", 100}, {"85", 85}, {"  94 (2005)", 94},
      {"      94", 9},  // six blanks: the seventh character is the 9
      {"0000094", 94},  {"00000094", 9},
  };
  Click("Option2");
  Set("newname", "rec");
  for (const Case& c : cases) {
    SetDate({c.text, "5", "12", "8", "5"});
    Click("Command2");
    EXPECT_EQ(Messages(), Texts{}) << c.text;
    EXPECT_EQ(Form().chartTime.year, c.year) << c.text;
    Click("Option1");
    Click("Option2");
  }
}

TEST_F(Form8Test, ATypedDateThatIsNoDateChangesNothing) {
  const std::vector<Texts> wrong = {
      {"民國/西元", "5", "12", "8", "5"},  // the untouched year
      {"0", "5", "12", "8", "5"},          {"121", "5", "12", "8", "5"},
      {"93 (2004)", "月", "12", "8", "5"}, {"93 (2004)", "13", "12", "8", "5"},
      {"94 (2005)", "2", "29", "8", "5"},  {"93 (2004)", "4", "31", "8", "5"},
      {"93 (2004)", "5", "12", "24", "5"}, {"93 (2004)", "5", "12", "8", "60"},
      {"93 (2004)", "5.5", "12", "8", "5"},
  };
  Click("Option2");
  Set("newname", "rec");
  const std::size_t drawn = Form().canvas.Items().size();
  for (const Texts& fields : wrong) {
    SetDate(fields);
    Click("Command2");
    EXPECT_EQ(Messages(), Texts{"日期資料輸入有誤，請重新操作"}) << fields[0] << fields[1];
    EXPECT_EQ(Form().chartTime, (DivinationTime{94, 5, 11, 15, 7}));
    EXPECT_TRUE(Visible("Command2"));
    EXPECT_EQ(At(1, 2), Texts{"陽曆 94 /5/11 15:7 占"});
    EXPECT_EQ(Form().canvas.Items().size(), drawn);
  }
  EXPECT_FALSE(Exists("rec"));
  // A leap day is a date.
  SetDate({"93 (2004)", "2", "29", "8", "5"});
  Click("Command2");
  EXPECT_EQ(Messages(), Texts{});
  EXPECT_TRUE(Exists("rec"));
}

// Numbers past any date, past an int, or read as infinity (309 digits) are refused like any other
// wrong date, in every field, and nothing is written.
TEST_F(Form8Test, ATypedNumberOfAnySizeIsRefusedAsAWrongDate) {
  const Texts huge = {"9999999999", "-9999999999", "2147483648", "-2147483649", "2147483647",
                      std::string(308, '9'), "1" + std::string(309, '0'),
                      "-" + std::string(400, '9') + ".5"};
  const Texts good = {"93 (2004)", "5", "12", "8", "5"};
  Click("Option2");
  Set("newname", "rec");
  for (std::size_t field = 0; field < good.size(); ++field) {
    for (const std::string& number : huge) {
      Texts fields = good;
      fields[field] = number;
      SetDate(fields);
      Click("Command2");
      EXPECT_EQ(Messages(), Texts{"日期資料輸入有誤，請重新操作"}) << field << " " << number.substr(0, 12);
      EXPECT_EQ(Form().chartTime, (DivinationTime{94, 5, 11, 15, 7}));
    }
  }
  EXPECT_FALSE(Exists("rec"));
}

TEST_F(Form8Test, ARefusedNameSkipsTheWriteButTheChartIsDrawn) {
  Click("Option2");
  SetDate({"93 (2004)", "5", "12", "8", "5"});
  for (const char* name : {"", "a/b", "..", "SIXTY.DAT"}) {
    Set("newname", name);
    Form().C("Command2").visible = true;
    Click("Command2");
    EXPECT_EQ(Messages(), Texts{"檔名不合用，請重新輸入"}) << name;
    EXPECT_EQ(At(1, 2), Texts{"陽曆 93 /5/12 8:5 占"});
  }
  EXPECT_EQ(test::ReadWhole(folder / "SIXTY.DAT"),
            test::ReadWhole(std::filesystem::path(QM_TEST_DATA_DIR) / "SIXTY.DAT"));
}

TEST_F(Form8Test, ARefusedNameLeavesTheDateAndNameBoxesToMendTheName) {
  Click("Option2");
  SetDate({"93 (2004)", "5", "12", "8", "5"});
  Set("newname", "");
  Click("Command2");
  EXPECT_EQ(Messages(), Texts{"檔名不合用，請重新輸入"});
  for (const char* name : {"曆年", "曆月", "曆日", "曆時", "曆分", "Command2", "Label8", "newname"})
    EXPECT_TRUE(Visible(name)) << name;
  Set("newname", "卦二");
  Click("Command2");
  EXPECT_EQ(Messages(), Texts{});
  EXPECT_EQ(folder.Read("卦二"), " 93, 5, 12, 8, 5,1,1,1,1,1,1\r\n");
  EXPECT_FALSE(Visible("newname"));
}

TEST_F(Form8Test, AnOldRecordIsReadBackWithoutTouchingTheLists) {
  SetLines(kExampleLines);
  Click("Command1");  // writes NOW for 94/5/11 15:07 with 1 2 3 4 1 3
  Messages();
  platform.date = "2006/1/2";
  Click("Option1");  // a new time; the codes stay
  Form8& form = Form();
  form.lineCodes = {};
  SetLines({"─ 少陽", "─ 少陽", "─ 少陽", "─ 少陽", "─ 少陽", "─ 少陽"});
  Click("Option3");
  for (const char* name : {"Command3", "oldname", "Label7"}) EXPECT_TRUE(Visible(name));
  Set("oldname", "NOW");
  Click("Command3");
  EXPECT_EQ(Messages(), Texts{});
  EXPECT_EQ(form.chartTime, (DivinationTime{94, 5, 11, 15, 7}));
  EXPECT_EQ(form.lineCodes, (LineCodes{"1", "2", "3", "4", "1", "3"}));
  EXPECT_EQ(form.C("初爻").text, "─ 少陽");
  EXPECT_EQ(form.C("二爻").text, "─ 少陽");
  EXPECT_EQ(form.RecordFileName, "NOW");
  EXPECT_EQ(At(30, 14), Texts{"水澤節"});
  EXPECT_TRUE(Visible("Command3"));
  // Compute right after: the lists' codes with the record's time, under RecordFileName.
  Click("Command1");
  EXPECT_EQ(folder.Read("NOW"), " 94, 5, 11, 15, 7,1,1,1,1,1,1\r\n");
}

TEST_F(Form8Test, AnOldRecordIsReadByItsFirstElevenFieldsAndAnyOtherCodeDrawsYoungYin) {
  folder.Write("twelve", " 94, 5, 11, 15, 7,1,2,3,4,1,3,9\r\n");
  folder.Write("lines", "94\r\n5\r\n11\r\n15\r\n7\r\n1\r\n2\r\n3\r\n4\r\n1\r\n3\r\n");
  Click("Option3");
  Form8& form = Form();
  for (const char* name : {"twelve", "lines"}) {
    form.lineCodes = {};
    Set("oldname", name);
    Click("Command3");
    EXPECT_EQ(Messages(), Texts{}) << name;
    EXPECT_EQ(form.lineCodes, (LineCodes{"1", "2", "3", "4", "1", "3"})) << name;
    EXPECT_EQ(At(30, 14), Texts{"水澤節"}) << name;
  }
  // Codes 7, x and 9 are young yin lines, drawn unmoved; 2 and 4 still move.
  folder.Write("codes", " 94, 5, 11, 15, 7,2,7,x,4,9,2\r\n");
  Set("oldname", "codes");
  Click("Command3");
  EXPECT_EQ(Messages(), Texts{});
  EXPECT_EQ(form.lineCodes, (LineCodes{"2", "", "", "4", "", "2"}));
  EXPECT_EQ(At(24.8, 22), Texts{"O"});
  EXPECT_EQ(At(21.35, 21), Texts{"－－"});
  EXPECT_EQ(At(24.8, 21), Texts{});
  EXPECT_EQ(At(24.8, 20), Texts{});
  EXPECT_EQ(At(24.8, 19), Texts{"X"});
  EXPECT_EQ(At(21.35, 18), Texts{"－－"});
  EXPECT_EQ(At(24.8, 17), Texts{"O"});
}

TEST_F(Form8Test, AMissingOrShortRecordKeepsTheWindowAsItWas) {
  folder.Write("short", " 94, 5, 11, 15, 7,1,2,3\r\n");
  folder.Write("nodate", " 0, 5, 11, 15, 7,1,2,3,4,1,3\r\n");
  Click("Option3");
  Form8& form = Form();
  const std::size_t drawn = form.canvas.Items().size();
  for (const char* name : {"missing", "short", "nodate", "", "../NOW", "SIXTY.DAT"}) {
    Set("oldname", name);
    Click("Command3");
    EXPECT_EQ(Messages(), Texts{"無法讀取此檔案，請確認檔名"}) << name;
    EXPECT_EQ(form.chartTime, (DivinationTime{94, 5, 11, 15, 7}));
    EXPECT_EQ(form.lineCodes, LineCodes{});
    EXPECT_EQ(form.canvas.Items().size(), drawn);
  }
}

TEST_F(Form8Test, TypedPillarsDrawWithoutTheCalendar) {
  Click("Option4");
  for (const char* name : {"Command4", "Label9", "古年干", "古時支"})
    EXPECT_TRUE(Visible(name)) << name;
  Set("古年干", "甲");
  Set("古年支", "子");
  Set("古月干", "丙");
  Set("古日干", "戊");
  Set("古日支", "辰");
  Set("古時干", "x");  // no stem: stays 0
  Click("Command4");
  Form8& form = Form();
  EXPECT_EQ(Messages(), Texts{});
  EXPECT_EQ(form.古Y1, 1);
  EXPECT_EQ(form.古M2, 1);  // 古月支 starts on 子
  EXPECT_EQ(form.古H1, 0);
  EXPECT_EQ(form.古H2, 0);
  EXPECT_EQ(At(1, 2), Texts{});  // no date header
  EXPECT_EQ(At(33, 3).size(), 1u);  // the box frame
  EXPECT_EQ(At(30, 14), Texts{"坤為地"});
  EXPECT_EQ(At(45, 4), Texts{"  "});  // the hour stem left empty
  EXPECT_EQ(At(49, 4), Texts{"戊"});
  EXPECT_EQ(At(2, 22), Texts{"勾陳"});    // day stem 戊
  EXPECT_EQ(At(52, 10), Texts{"空:戌亥"});  // 戊辰 lies in the decade of 甲子
  EXPECT_FALSE(Exists("NOW"));
  // Compute in this mode writes nothing.
  Click("Command1");
  EXPECT_FALSE(Exists("NOW"));
}

TEST_F(Form8Test, DayStarsAndTheStarGridOfTheLines) {
  Click("Option4");
  SetLines({"─ 少陽", "─ 少陽", "─ 少陽", "─ 少陽", "─ 少陽", "─ 少陽"});
  Click("Command1");  // 乾為天: line 1 on 子, line 4 on 午
  const std::array<double, 8> starX = {8.8, 11.5, 14.1, 16.8, 19.3, 21.9, 24.4, 26.8};
  const Texts line1 = {"亥", "寅", "戌", "寅", "巳", "辰", "酉", "子"};
  const Texts line4 = {"巳", "申", "辰", "申", "亥", "戌", "卯", "午"};
  for (std::size_t star = 0; star < starX.size(); ++star) {
    EXPECT_EQ(At(starX[star], 12), Texts{line1[star]}) << star;
    EXPECT_EQ(At(starX[star], 9), Texts{line4[star]}) << star;
  }
  struct Case {
    const char *stem, *branch;
    Texts stars;  // 羊刃 驛馬 桃花 and the two 貴人
  };
  for (const Case& c : {Case{"甲", "子", {"卯", "寅", "酉", "丑", "未"}},
                        Case{"辛", "巳", {"申", "亥", "午", "寅", "午"}},
                        Case{"癸", "丑", {"亥", "亥", "午", "卯", "巳"}},
                        Case{"丙", "午", {"午", "申", "卯", "酉", "亥"}}}) {
    Set("古日干", c.stem);
    Set("古日支", c.branch);
    Click("Command4");
    const Texts shown = {At(62, 6).at(0), At(65.5, 6).at(0), At(68.8, 6).at(0),
                         At(72.2, 6).at(0), At(72.2, 7).at(0)};
    EXPECT_EQ(shown, c.stars) << c.stem << c.branch;
  }
}

TEST_F(Form8Test, MissingPillarValuesMarkNothingAndTheMissingDayStemIsSaidOnce) {
  Click("Option4");
  Set("古月支", "");
  Set("古日支", "丑");
  Click("Command4");
  EXPECT_EQ(Messages(), Texts{"缺少空亡資料，請試輸入（日干）找出空亡的地支"});
  EXPECT_EQ(At(52, 10), Texts{"空:    "});  // no void pair without a true day pillar
  EXPECT_EQ(At(53, 8), Texts{"  "});         // no month branch, no break
  EXPECT_EQ(At(49, 8), Texts{"未"});          // the day clash of 丑
  EXPECT_EQ(At(2, 22), Texts{});              // no beasts without a day stem
  EXPECT_EQ(At(2, 17), Texts{});
  EXPECT_EQ(At(62, 6), Texts{"  "});          // 羊刃 needs the day stem
  for (double y = 17; y <= 22; ++y) {
    EXPECT_EQ(At(43.7, y), Texts{});  // no 破 on 巳 or anywhere
    EXPECT_EQ(At(42.1, y), Texts{});  // no 空
  }
  EXPECT_EQ(At(40.5, 22), Texts{"沖"});  // 坤為地 line 1 is 未, clashed by the day 丑
  // With the day stem entered the chart is whole and nothing is said.
  Set("古日干", "癸");
  Click("Command4");
  EXPECT_EQ(Messages(), Texts{});
  EXPECT_EQ(At(52, 10), Texts{"空:寅卯"});
  EXPECT_EQ(At(2, 22), Texts{"玄武"});
  // Once another option of the group is chosen, a drawing of the same pillars says nothing.
  Set("古日干", "");
  Form().古D1 = 0;
  Click("Option6");
  Form().Form_Activate();
  EXPECT_EQ(Messages(), Texts{});
}

TEST_F(Form8Test, CoinsThrowEachLineFromThreeNumbers) {
  struct Case {
    double r1, r2, r3;
    const char* code;
  };
  // A coin is Int(10 r + 1): 0 gives 1 (odd), .1 gives 2, .85 gives 9 (odd), .95 gives 10.
  const std::vector<Case> cases = {
      {0, .85, .2, "2"},    // three odd: 老陽
      {0, .1, .45, "1"},    // two odd (1, 2, 5): 少陽
      {.1, .95, .85, "3"},  // one odd: 少陰
      {.1, .95, .3, "4"},   // none: 老陰
      {.999999, 0, 0, "1"},  // 10, 1, 1: the top of the range is even
      {.5, .5, .5, "4"},     // 6, 6, 6
  };
  platform.randoms.clear();
  for (const Case& c : cases) platform.randoms.insert(platform.randoms.end(), {c.r1, c.r2, c.r3});
  SetLines(kExampleLines);
  Click("Option7");
  Form8& form = Form();
  LineCodes expected;
  for (int k = 0; k < 6; ++k) expected[k] = cases[k].code;
  EXPECT_EQ(form.lineCodes, expected);
  EXPECT_TRUE(platform.randoms.empty());
  EXPECT_FALSE(form.C("Option7").selected);
  EXPECT_EQ(form.C("初爻").text, "─ 少陽");  // the lists keep their texts
  EXPECT_EQ(form.CASEA, kCurrentTime);
  EXPECT_FALSE(Exists("NOW"));
  // 老陽 少陽 少陰 老陰 少陽 老陰: the moving lines 1, 4 and 6 are marked.
  EXPECT_EQ(At(24.8, 22), Texts{"O"});
  EXPECT_EQ(At(24.8, 19), Texts{"X"});
  EXPECT_EQ(At(24.8, 18), Texts{});
  EXPECT_EQ(At(24.8, 17), Texts{"X"});
}

// Numbers no generator gives still throw lines of the four codes: below 0 a coin is 1 (odd),
// from 1 on it is 10 (even).
TEST_F(Form8Test, CoinsFromNumbersOutsideTheGeneratorsRangeStayLines) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  platform.randoms = {-1, -1, -1,  5, 5, 5,  -1, 1, 1,  1e300, -1e300, -1,  nan, nan, inf,  -inf, inf, 2};
  Click("Option7");
  EXPECT_EQ(Form().lineCodes, (LineCodes{"2", "4", "3", "1", "1", "3"}));
}

TEST_F(Form8Test, PrintingHidesTheControlsAndPrintsAgainOnEveryClick) {
  Click("Option6");
  ASSERT_EQ(platform.printJobs.size(), 1u);
  EXPECT_EQ(platform.printJobs[0].visibleControls, Texts{"Label10"});
  for (const std::string& name : kModeControls) EXPECT_TRUE(Visible(name)) << name;
  EXPECT_FALSE(Form().C("Option1").selected);
  EXPECT_TRUE(Form().C("Option6").selected);  // chosen, it is clicked again to print again
  Click("Option6");
  EXPECT_EQ(platform.printJobs.size(), 2u);
  // Option1 is no longer chosen: compute writes NOW without the message.
  Click("Command1");
  EXPECT_TRUE(Exists("NOW"));
  EXPECT_EQ(Messages(), Texts{});
}

TEST_F(Form8Test, ExitReturnsToTheStartScreenAndAFreshWindowOpensNextTime) {
  SetLines(kExampleLines);
  Click("Command1");
  Click("Option4");
  Set("古年干", "甲");
  Click("Command4");
  // The title bar's close box acts as the exit option.
  Click(Form().closeBox);
  EXPECT_EQ(program.windows.Loaded("Form8"), nullptr);
  ui::Window& start = program.windows.Get("form1");
  EXPECT_TRUE(program.windows.IsVisible(start));
  EXPECT_FALSE(start.C("Option1").selected);
  Click("form1", "Option1");
  EXPECT_EQ(Form().lineCodes, LineCodes{});
  EXPECT_EQ(Form().古Y1, 0);
  EXPECT_EQ(At(30, 14), Texts{"坤為地"});
}

TEST_F(Form8Test, AMissingCalendarTableEndsTheDrawingSaysWhichAndKeepsTheChart) {
  std::filesystem::remove(folder / "SEG.DAT");
  SetLines(kExampleLines);
  Messages();
  Click("Command1");
  EXPECT_EQ(Messages(), (Texts{"本卦系統內定檔名為:   NOW", "資料檔讀取錯誤：SEG.DAT"}));
  EXPECT_EQ(At(30, 14), Texts{"坤為地"});  // the opening chart stands
  EXPECT_TRUE(Exists("NOW"));
}

TEST_F(Form8Test, ALeapMonthIsMarkedBelowTheLunarDate) {
  Click("Option2");
  SetDate({"109 (2020)", "6", "1", "9", "0"});  // the tenth of the leap fourth month
  Set("newname", "leap");
  Click("Command2");
  EXPECT_EQ(At(1, 3), Texts{"陰曆 109/ 4/10"});
  EXPECT_EQ(At(0, 3.86), Texts{"(閏)"});
}

}  // namespace
}  // namespace qm::hexagram
