// The stem stages at the month branch, the day-master strength and the nine immortals.
#include <gtest/gtest.h>

#include "natal/chart_steps.h"
#include "chart_test_support.h"

namespace qm::natal::test {
namespace {

using Pillars4 = std::array<std::pair<int, int>, 4>;

std::vector<std::string> One(std::string text) { return {std::move(text)}; }

TEST(StemStagesAtBranch, TenMarksInAPigMonth) {
  ui::Canvas canvas;
  Chart chart(canvas, InputsOf({{{1, 1}, {2, 12}, {5, 5}, {1, 1}}}));
  chart.stageBranchTable = AlmanacStageTable();
  ComputeStemStagesAtBranch(chart);
  // 甲 born at 亥; 乙 back from 午 dies at 亥; 丙 戊 end at 亥; 丁 己 are conceived there; 庚
  // falls ill; 辛 is in 沐浴; 壬 has its 祿 and 癸 its 帝旺.
  std::vector<Shown> expected = {{7, 4, "(生)"},  {7, 5, "(死)"},  {7, 6, "(絕)"},  {7, 7, "(胎)"},
                                 {7, 8, "(絕)"},  {7, 9, "(胎)"},  {7, 10, "(病)"}, {7, 11, "(敗)"},
                                 {7, 12, "(祿)"}, {7, 13, "(旺)"}};
  EXPECT_EQ(ShownTexts(canvas), expected);
}

TEST(StemStagesAtBranch, RowWithoutTheBranchGetsNoMark) {
  ui::Canvas canvas;
  Chart chart(canvas, InputsOf({{{1, 1}, {2, 12}, {5, 5}, {1, 1}}}));
  chart.stageBranchTable = AlmanacStageTable();
  chart.stageBranchTable[3] = {};
  ComputeStemStagesAtBranch(chart);
  EXPECT_TRUE(TextsAt(canvas, 7, 6).empty());
  EXPECT_EQ(ShownTexts(canvas).size(), 9u);
}

TEST(DayMasterStrength, OwnAndGeneratingElementWeights) {
  struct Case {
    int dayStem;
    double monthlyWeight;
    const char* strength;
    const char* standard;
  };
  // Weights 甲 .. 癸: each stem a power of two apart, so every sum names its stems.
  const std::array<double, 11> weights = {0, 1, 2, 4, 8, 16, 32, 64, 128, 0.25, 0.5};
  const Case cases[] = {
      {1, 2, "日干旺度: 3.75", "日干標準: 3.50"},     // 甲乙 with 壬癸
      {2, 6, "日干旺度: 3.75", "日干標準: -0.50"},    // the same; a weight above 5.5
      {4, 0, "日干旺度: 15.00", "日干標準: 5.50"},    // 丙丁 with 甲乙
      {9, -1, "日干旺度: 192.75", "日干標準: 6.50"},  // 壬癸 with 庚辛
  };
  for (const Case& t : cases) {
    ui::Canvas canvas;
    Chart chart(canvas, InputsOf({{{1, 1}, {3, 3}, {t.dayStem, 5}, {1, 1}}}));
    chart.stemWeights.weight = weights;
    chart.monthlyStemWeight[t.dayStem][3] = t.monthlyWeight;
    ComputeDayMasterStrength(chart);
    EXPECT_EQ(ShownTexts(canvas), (std::vector<Shown>{{27, 15, t.strength}, {27, 16, t.standard}}));
  }
}

TEST(NineImmortals, SharesThatSupportTheDayStem) {
  struct Case {
    Pillars4 pillars;
    const char* line;
  };
  const Case cases[] = {
      // 甲 day: 壬子 甲寅 甲子 甲子, every share 木 or 水.
      {{{{9, 1}, {1, 3}, {1, 1}, {1, 1}}}, "九仙訣( 9 : 0 )"},
      // 甲 day: 庚申 戊午 甲午 庚午, no share 木 or 水.
      {{{{7, 9}, {5, 7}, {1, 7}, {7, 7}}}, "九仙訣( 1 : 8 )"},
      // The 子 month branch alone counts twice.
      {{{{7, 9}, {3, 1}, {1, 7}, {7, 7}}}, "九仙訣( 3 : 6 )"},
      // The 子 day branch alone counts once.
      {{{{7, 9}, {3, 7}, {1, 1}, {7, 7}}}, "九仙訣( 2 : 7 )"},
      // 丙 day: 甲寅 year of 木 and the 午 day branch of 火 support it.
      {{{{1, 3}, {7, 9}, {3, 7}, {9, 5}}}, "九仙訣( 4 : 5 )"},
  };
  for (const Case& t : cases) {
    ui::Canvas canvas;
    Chart chart(canvas, InputsOf(t.pillars));
    ComputeNineImmortals(chart);
    EXPECT_EQ(TextsAt(canvas, 27, 18), One(t.line));
  }
}

}  // namespace
}  // namespace qm::natal::test
