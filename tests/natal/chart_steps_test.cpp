// The header, the pillars, the seasonal states, the hidden stems, the ten gods and the twelve
// stages, on fixed pillars.
#include <gtest/gtest.h>

#include <fstream>

#include "base/failure.h"
#include "natal/chart_steps.h"
#include "chart_test_support.h"

namespace qm::natal::test {
namespace {

using Texts = std::vector<std::string>;

// 1984-05-12 08:30: 甲子 year, 己巳 month, 丙午 day, 壬辰 hour.
ChartInputs Birth1984() {
  ChartInputs in = PillarsWithPalace({{{1, 1}, {6, 6}, {3, 7}, {9, 5}}});
  in.moment = {73, 5, 12, 8, 30};
  in.lunar = LunarDate{73, 4, 12, "0"};
  return in;
}

// The header as the natal chart window prints it.
void PrintBirthHeader(Chart& chart) {
  ClearToScale(chart);
  PrintSex(chart);
  PrintBirthDates(chart);
}

struct Steps : ::testing::Test {
  Chart& Make(ChartInputs in) { return chart.emplace(canvas, std::move(in)); }
  Texts At(double x, double y) const { return TextsAt(canvas, x, y); }
  ui::Canvas canvas;
  std::optional<Chart> chart;
};

TEST_F(Steps, HeaderClearsSetsTheScaleAndPrintsSexAndBothDates) {
  Chart& c = Make(Birth1984());
  canvas.PrintAt(1, 1, "old");
  PrintBirthHeader(c);
  EXPECT_EQ(canvas.GetScale(), (ui::Scale{0, -0.5, 87, 26}));
  EXPECT_EQ(ShownTexts(canvas), (std::vector<Shown>{{32, 21, "男"},
                                                   {32, 22, "陽曆73/5/12 8:30生"},
                                                   {32, 23, "陰曆73/4/12生"}}));
}

TEST_F(Steps, HeaderWritesNumbersWithoutLeadingZerosAndMarksALeapMonth) {
  ChartInputs in = Birth1984();
  in.moment = {100, 1, 3, 0, 5};
  in.lunar = LunarDate{99, 10.5, 3, "1"};
  in.sex = "F";
  PrintBirthHeader(Make(std::move(in)));
  EXPECT_EQ(At(32, 21), Texts{"女"});
  EXPECT_EQ(At(32, 22), Texts{"陽曆100/1/3 0:5生"});
  EXPECT_EQ(At(32, 23), Texts{"陰曆99/10(閏)/3生"});
}

TEST_F(Steps, HeaderShowsMaleOnlyForUpperCaseMAndNoLunarLineWithoutALunarDate) {
  // A birth before the first New Year of the tables has no lunar date.
  ChartInputs in = PillarsWithPalace({{{9, 1}, {7, 1}, {1, 1}, {1, 1}}});
  in.sex = "m";
  PrintBirthHeader(Make(std::move(in)));
  EXPECT_EQ(At(32, 21), Texts{"女"});
  EXPECT_TRUE(At(32, 23).empty());
}

TEST_F(Steps, PillarsStandInTheirColumnsWithTheLifePalace) {
  Chart& c = Make(Birth1984());
  PrintPillars(c);
  PrintLifePalace(c);
  EXPECT_EQ(c.StemsThenBranches(), (std::array<int, 8>{1, 6, 3, 9, 1, 6, 7, 5}));
  EXPECT_EQ(ShownTexts(canvas), (std::vector<Shown>{{77, 8, "甲"}, {77, 9, "子"},
                                                   {70, 8, "己"}, {70, 9, "巳"},
                                                   {63, 8, "丙"}, {63, 9, "午"},
                                                   {56, 8, "壬"}, {56, 9, "辰"},
                                                   {35, 21, "命宮:丙寅"}}));
}

TEST_F(Steps, PillarsRefuseAStemOutsideTheTen) {
  ChartInputs in = Birth1984();
  in.columns[3].pillar.stem = 11;
  EXPECT_THROW(PrintPillars(Make(std::move(in))), Failure);
}

TEST_F(Steps, SeasonalStatesOfTheStemsInTheBirthMonth) {
  Chart& c = Make(Birth1984());
  PrintPillars(c);
  canvas.Cls();
  ComputeSeasonalStates(c);
  // 巳 month: 火旺 土相 木休 水囚.
  EXPECT_EQ(ShownTexts(canvas), (std::vector<Shown>{{77, 5, "木"}, {70, 5, "土"}, {63, 5, "火"},
                                                   {56, 5, "水"}, {77, 6, "休"}, {70, 6, "相"},
                                                   {63, 6, "旺"}, {56, 6, "囚"}}));
}

TEST_F(Steps, HiddenStemsStandByTheirCountAroundTheColumn) {
  Chart& c = Make(PillarsWithPalace({{{1, 1}, {6, 6}, {3, 7}, {9, 3}}}));  // 子 巳 午 寅
  PrintPillars(c);
  canvas.Cls();
  ComputeHiddenStems(c);
  EXPECT_EQ(ShownTexts(canvas),
            (std::vector<Shown>{{77, 11, "癸"}, {77, 12, "水"}, {77, 13, "1"},
                                {72, 11, "庚"}, {72, 12, "金"}, {72, 13, ".2"},
                                {70, 11, "丙"}, {70, 12, "火"}, {70, 13, ".6"},
                                {68, 11, "戊"}, {68, 12, "土"}, {68, 13, ".2"},
                                {63, 11, "丁"}, {63, 12, "火"}, {63, 13, ".7"},
                                {61, 11, "己"}, {61, 12, "土"}, {61, 13, ".3"},
                                {58, 11, "丙"}, {58, 12, "火"}, {58, 13, ".2"},
                                {56, 11, "甲"}, {56, 12, "木"}, {56, 13, ".6"},
                                {54, 11, "戊"}, {54, 12, "土"}, {54, 13, ".2"}}));
  EXPECT_EQ(HiddenStemsOf(c.branchHiddenStems, 1)[0].text, "癸水");
  EXPECT_EQ(HiddenStemsOf(c.branchHiddenStems, 1)[1].text, "");
  EXPECT_EQ(HiddenStemsOf(c.branchHiddenStems, 3)[2].text, "戊土");
}

TEST_F(Steps, TenGodsOfTheStemsAndTheDayMasterMark) {
  Chart& c = Make(PillarsWithPalace({{{1, 1}, {3, 3}, {2, 2}, {2, 4}}}));  // 乙 day
  PrintPillars(c);
  canvas.Cls();
  ComputeTenGods(c);
  EXPECT_EQ(ShownTexts(canvas), (std::vector<Shown>{{77, 2, "劫"}, {77, 3, "財"},
                                                   {70, 2, "傷"}, {70, 3, "官"},
                                                   {56, 2, "比"}, {56, 3, "肩"},
                                                   {63, 2, "命"}, {63, 3, "主"}}));
}

TEST_F(Steps, HiddenStemTenGodsOfTheShownSlots) {
  Chart& c = Make(Birth1984());  // 丙 day; 子 巳 午 辰
  PrintPillars(c);
  ComputeHiddenStems(c);
  canvas.Cls();
  ComputeHiddenStemTenGods(c);
  EXPECT_EQ(ShownTexts(canvas),
            (std::vector<Shown>{{77, 14, "正"}, {77, 15, "官"},                        // 癸
                                {72, 14, "偏"}, {72, 15, "財"}, {70, 14, "比"}, {70, 15, "肩"},
                                {68, 14, "食"}, {68, 15, "神"},                        // 庚 丙 戊
                                {63, 14, "劫"}, {63, 15, "財"}, {61, 14, "傷"}, {61, 15, "官"},
                                {58, 14, "正"}, {58, 15, "官"}, {56, 14, "食"}, {56, 15, "神"},
                                {54, 14, "正"}, {54, 15, "印"}}));                     // 癸 戊 乙
}

TEST_F(Steps, ASlotThatNamesNoStemHasNoTenGod) {
  TempProgramFolder folder("odd_slot");
  std::string text;
  for (int branch = 1; branch <= 12; ++branch)
    text += branch == 1 ? "水,1,,0,,0\r\n" : "癸水,1,,0,,0\r\n";
  std::ofstream(folder.path() / "地支藏干.DAT", std::ios::binary) << text;
  Chart& c = Make(PillarsWithPalace({{{1, 1}, {3, 2}, {3, 1}, {3, 2}}}));
  PrintPillars(c);
  ComputeHiddenStems(c);
  canvas.Cls();
  ComputeHiddenStemTenGods(c);
  // The 子 branches (year, day) name no stem; the 丑 branches show 癸 in their first slot.
  EXPECT_EQ(ShownTexts(canvas), (std::vector<Shown>{{72, 14, "正"}, {72, 15, "官"},
                                                   {58, 14, "正"}, {58, 15, "官"}}));
}

TEST_F(Steps, TwelveStagesOfTheDayStemWithTheirStatesAndTheSeasonLabel) {
  Chart& c = Make(Birth1984());  // 丙 day: 子 胎, 巳 建祿, 午 帝旺, 辰 冠帶
  PrintPillars(c);
  canvas.Cls();
  ComputeTwelveStages(c);
  EXPECT_EQ(ShownTexts(canvas),
            (std::vector<Shown>{{76, 16, "(囚)"}, {77, 17, "胎"}, {77, 18, " "},
                                {69, 16, "(旺)"}, {70, 17, "建"}, {70, 18, "祿"},
                                {62, 16, "(相)"}, {63, 17, "帝"}, {63, 18, "旺"},
                                {55, 16, "(旺)"}, {56, 17, "冠"}, {56, 18, "帶"},
                                {68, 10, " (夏炎)"}}));
}

TEST_F(Steps, AStageOfDecayShowsRestAndABlankSecondRow) {
  Chart& c = Make(PillarsWithPalace({{{1, 5}, {1, 2}, {1, 4}, {1, 5}}}));  // 甲 day, 辰 衰, 卯 帝旺
  PrintPillars(c);
  canvas.Cls();
  ComputeTwelveStages(c);
  EXPECT_EQ(At(76, 16), Texts{"(休)"});
  EXPECT_EQ(At(77, 17), Texts{"衰"});
  EXPECT_EQ(At(77, 18), Texts{" "});
  EXPECT_EQ(At(62, 16), Texts{"(相)"});
  EXPECT_EQ(At(63, 17), Texts{"帝"});
  EXPECT_EQ(At(68, 10), Texts{" (冬寒)"});
}

TEST_F(Steps, AnotherWindowRunsItsOwnStepsInItsOwnLayout) {
  // A window without the dates and the life palace, which does not clear the window.
  ChartLayout layout;
  layout.rows.stem = 1;
  layout.strengthTableShift = {0, 10};
  ChartInputs in = Birth1984();
  in.columns = NatalColumns(ComputePillars(73, 5, 12, 8, 30), {70, 60, 50, 40});
  canvas.PrintAt(1, 1, "kept");
  Chart& c = chart.emplace(canvas, in, layout);
  for (auto step : {PrintSex, PrintPillars, ComputeSeasonalStates, ComputeHiddenStems, CountStems,
                    ComputeStemWeights})
    step(c);
  EXPECT_EQ(At(1, 1), Texts{"kept"});
  EXPECT_EQ(At(32, 21).at(0), "男");
  EXPECT_TRUE(At(32, 22).empty());
  EXPECT_EQ(At(40, 1), Texts{"壬"});
  EXPECT_EQ(At(70, 11), Texts{"癸"});  // 子 of the year shows its one stem at the year column
  EXPECT_EQ(At(5, 14), Texts{"甲"});   // the strength table ten rows lower
  EXPECT_EQ(At(22, 25), Texts{"10.73"});
}

TEST_F(Steps, TheColumnStepsRunOverSevenColumnsWithTheNatalFourAsTheChart) {
  // 年 月 日 時 of 1984-05-12 08:30, then 運 丁卯, 歲 甲午, 流月 己巳, as the luck window lists
  // them, each showing only its hidden stems and its stage word.
  ChartInputs in = Birth1984();
  in.columns.push_back({{4, 4}, 49, "運"});
  in.columns.push_back({{1, 7}, 42, "歲"});
  in.columns.push_back({{6, 6}, 35, "流月"});
  ChartLayout layout;
  layout.rows.hiddenStemLastChar = layout.rows.hiddenStemWeight = layout.rows.stageState = std::nullopt;
  layout.seasonLabel = std::nullopt;
  Chart& c = chart.emplace(canvas, in, layout);
  for (auto step : {PrintPillars, ComputeHiddenStems, ComputeTenGods, ComputeTwelveStages, CountStems})
    step(c);
  EXPECT_EQ(At(49, 8), Texts{"丁"});
  EXPECT_EQ(At(35, 9), Texts{"巳"});
  EXPECT_EQ(At(49, 11), Texts{"乙"});  // 卯 hides 乙 alone
  EXPECT_TRUE(At(49, 12).empty());
  // Against the 丙 day: 丁 is 劫財, 甲 偏印; the day column keeps 命 over 主.
  EXPECT_EQ(At(49, 2), Texts{"劫"});
  EXPECT_EQ(At(42, 3), Texts{"印"});
  EXPECT_EQ(At(63, 2), Texts{"命"});
  // 丙 at 午 is 帝旺 in 時 ... and in 歲; at 卯 沐浴.
  EXPECT_EQ(At(42, 17), Texts{"帝"});
  EXPECT_EQ(At(49, 17), Texts{"沐"});
  EXPECT_TRUE(At(48, 16).empty());
  EXPECT_TRUE(At(68, 10).empty());
  // The counts are the natal four's alone: 丁 only from the 午 day branch, not from 運.
  EXPECT_EQ(c.stemCounts.full[4], 1);
}

TEST_F(Steps, AMissingTableStopsTheStepBeforeItPrints) {
  TempProgramFolder folder("no_tables");
  Chart& c = Make(Birth1984());
  PrintPillars(c);
  canvas.Cls();
  EXPECT_THROW(ComputeHiddenStems(c), Failure);
  EXPECT_THROW(ComputeTwelveStages(c), Failure);
  EXPECT_TRUE(canvas.Items().empty());
}

}  // namespace
}  // namespace qm::natal::test
