// The polarity mark, the stage pairs, the pillar scores and the yin-yang balance.
#include <gtest/gtest.h>

#include "natal/chart_steps.h"
#include "chart_test_support.h"

namespace qm::natal::test {
namespace {

struct ChartOnCanvas {
  explicit ChartOnCanvas(std::array<std::pair<int, int>, 4> pillars) : chart(canvas, InputsOf(pillars)) {
    chart.stageBranchTable = AlmanacStageTable();
  }
  ui::Canvas canvas;
  Chart chart;
};

// 甲子 丙寅 戊辰 庚申.
const std::array<std::pair<int, int>, 4> kExample = {{{1, 1}, {3, 3}, {5, 5}, {7, 9}}};

TEST(PillarScores, ExampleChartScoresBalanceAndPolarity) {
  ChartOnCanvas c(kExample);
  PrintPurePolarity(c.chart);
  ComputePillarScores(c.chart);
  ComputeYinYangBalance(c.chart);
  std::vector<Shown> expected = {
      {46, 21, "純陽"},
      {79, 8, " 3"}, {79, 9, "-7"}, {72, 8, " 7"}, {72, 9, " 3"},
      {65, 8, " 1"}, {65, 9, "-6"}, {58, 8, "-1"}, {58, 9, "-1"},
      {27, 17, "陰陽氣含: 0.20"}};
  EXPECT_EQ(ShownTexts(c.canvas), expected);
}

TEST(PillarScores, DragonMonthPutsWaterAndItsOwnBranchInSeason) {
  // 壬辰 丙辰 癸亥 戊午: in season 壬 -5, 辰 -6, 辰 -6, 癸 -7, 亥 -5 (x 1.2 = -34.8); out of
  // season 丙 7, 戊 1, 午 5 (13).
  ChartOnCanvas c({{{9, 5}, {3, 5}, {10, 12}, {5, 7}}});
  ComputePillarScores(c.chart);
  ComputeYinYangBalance(c.chart);
  EXPECT_EQ(TextsAt(c.canvas, 27, 17), std::vector<std::string>{"陰陽氣含: -21.80"});
  EXPECT_EQ(TextsAt(c.canvas, 65, 8), std::vector<std::string>{"-7"});
}

TEST(PurePolarity, MarksOnlyStemsOfOnePolarity) {
  struct Case {
    std::array<std::pair<int, int>, 4> pillars;
    std::vector<std::string> mark;
  };
  const Case cases[] = {
      {{{{1, 1}, {3, 3}, {5, 5}, {7, 7}}}, {"純陽"}},
      {{{{2, 2}, {4, 4}, {6, 6}, {10, 10}}}, {"純陰"}},
      {{{{1, 1}, {2, 2}, {3, 3}, {4, 4}}}, {}},
  };
  for (const Case& test : cases) {
    ChartOnCanvas c(test.pillars);
    PrintPurePolarity(c.chart);
    EXPECT_EQ(TextsAt(c.canvas, 46, 21), test.mark);
  }
}

TEST(PairStages, ExampleChartWordsDownTheirPlaces) {
  ChartOnCanvas c(kExample);
  ComputePairStages(c.chart);
  std::vector<Shown> expected = {
      {79, 2, "沐"}, {79, 3, "浴"},  // 子 of 甲
      {72, 2, "長"}, {72, 3, "生"},  // 寅 of 丙
      {58, 2, "建"}, {58, 3, "祿"},  // 申 of 庚
      {54, 3, "絕"}, {54, 4, " "},   // 寅 of 庚
      {68, 3, "病"}, {68, 4, " "},   // 申 of 丙
      {75, 3, "建"}, {75, 4, "祿"},  // 寅 of 甲
      {75, 6, "絕"}, {75, 7, " "},   // 申 of 甲
  };
  EXPECT_EQ(ShownTexts(c.canvas), expected);
}

TEST(PairStages, YinStemRunsBackward) {
  // 乙丑: 乙 is born at 午 and runs back 巳 辰 卯 寅 to 丑, its 衰.
  ChartOnCanvas c({{{2, 2}, {4, 4}, {6, 6}, {8, 8}}});
  ComputePairStages(c.chart);
  EXPECT_EQ(TextsAt(c.canvas, 79, 2), std::vector<std::string>{"衰"});
}

TEST(PairStages, RowWithoutTheBranchLeavesThePairEmpty) {
  ChartOnCanvas c(kExample);
  c.chart.stageBranchTable[1] = {};  // 甲 stands nowhere: pairs 1, 6 and 7 have no stage
  ComputePairStages(c.chart);
  EXPECT_TRUE(TextsAt(c.canvas, 79, 2).empty());
  EXPECT_TRUE(TextsAt(c.canvas, 75, 3).empty());
  EXPECT_TRUE(TextsAt(c.canvas, 75, 6).empty());
  EXPECT_EQ(TextsAt(c.canvas, 72, 2), std::vector<std::string>{"長"});
}

}  // namespace
}  // namespace qm::natal::test
