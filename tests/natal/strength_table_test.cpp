// The stem counts, weights and shares of one chart, worked out by hand, and the strength table
// that shows them.
#include <gtest/gtest.h>

#include <fstream>

#include "base/failure.h"
#include "natal/chart_steps.h"
#include "chart_test_support.h"

namespace qm::natal::test {
namespace {

using Texts = std::vector<std::string>;

struct StrengthTable : ::testing::Test {
  // 甲子 year, 己巳 month, 丙午 day, 壬辰 hour, with the delivered tables.
  void Draw(std::array<std::pair<int, int>, 4> pillars = {{{1, 1}, {6, 6}, {3, 7}, {9, 5}}}) {
    chart.emplace(canvas, PillarsWithPalace(pillars));
    for (auto step : {PrintPillars, ComputeSeasonalStates, ComputeHiddenStems})
      step(*chart);
    canvas.Cls();
    for (auto step : {CountStems, ComputeStemWeights, ComputeElementStates, ComputeStemListTenGods})
      step(*chart);
  }
  Texts Row(double y) const {
    Texts row;
    for (double x : {1, 5, 11, 13, 15, 19, 23, 28})
      for (const std::string& text : TextsAt(canvas, x, y)) row.push_back(text);
    return row;
  }
  ui::Canvas canvas;
  std::optional<Chart> chart;
};

// The stems 甲 己 丙 壬 and the hidden stems 癸 (子), 庚 丙 戊 (巳), 丁 己 (午), 癸 戊 乙 (辰); in
// a 巳 month 火 is 旺 (+2), 土 相 (+1), 木 休 (0), 水 囚 (-0.5), 金 死 (-1). The weights add up
// to 10.725.
TEST_F(StrengthTable, RowsOfTheTenStems) {
  Draw();
  EXPECT_EQ(Row(4), (Texts{"偏印", "甲", "1", "1", "1.0", "0.0", "1.00", "9.3"}));
  EXPECT_EQ(Row(5), (Texts{"正印", "乙", "0", "1", "0.3", "0.0", "0.30", "2.8"}));
  EXPECT_EQ(Row(6), (Texts{"比肩", "丙", "2", "2", "1.6", "2.0", "3.20", "29.8"}));
  EXPECT_EQ(Row(7), (Texts{"劫財", "丁", "1", "1", "0.7", "2.0", "1.40", "13.1"}));
  EXPECT_EQ(Row(8), (Texts{"食神", "戊", "1", "2", "0.8", "1.0", "1.20", "11.2"}));
  EXPECT_EQ(Row(9), (Texts{"傷官", "己", "1", "2", "1.3", "1.0", "1.95", "18.2"}));
  EXPECT_EQ(Row(10), (Texts{"偏財", "庚", "0", "1", "0.2", "-1.0", "0.10", "0.9"}));
  EXPECT_EQ(Row(11), (Texts{"正財", "辛", "0", "0", "0.0", "-1.0", "0.00", "0.0"}));
  EXPECT_EQ(Row(12), (Texts{"七殺", "壬", "1", "1", "1.0", "-0.5", "0.75", "7.0"}));
  EXPECT_EQ(Row(13), (Texts{"正官", "癸", "1", "2", "1.1", "-0.5", "0.83", "7.7"}));
}

TEST_F(StrengthTable, HeadTotalsAndElementLines) {
  Draw();
  EXPECT_EQ(TextsAt(canvas, 2, 2), Texts{"    天     次  權  月支   十星                "});
  EXPECT_EQ(TextsAt(canvas, 2, 3), Texts{"    干     數  數  進氣 力度 比重  五行 比重"});
  EXPECT_EQ(TextsAt(canvas, 1, 14), Texts{std::string(45, '-')});
  EXPECT_EQ(TextsAt(canvas, 3, 15), Texts{"合計: "});
  EXPECT_EQ(TextsAt(canvas, 10, 15), Texts{"8"});
  EXPECT_EQ(TextsAt(canvas, 12, 15), Texts{"13"});
  EXPECT_EQ(TextsAt(canvas, 15, 15), Texts{"8.0"});
  EXPECT_EQ(TextsAt(canvas, 22, 15), Texts{"10.73"});
  EXPECT_EQ(TextsAt(canvas, 32, 5), Texts{"木   12.1"});
  EXPECT_EQ(TextsAt(canvas, 32, 7), Texts{"火   42.9"});
  EXPECT_EQ(TextsAt(canvas, 32, 9), Texts{"土   29.4"});
  EXPECT_EQ(TextsAt(canvas, 32, 11), Texts{"金   0.9"});
  EXPECT_EQ(TextsAt(canvas, 32, 13), Texts{"水   14.7"});
  EXPECT_EQ(TextsAt(canvas, 34, 7), Texts{"旺"});
  EXPECT_EQ(TextsAt(canvas, 34, 9), Texts{"相"});
  EXPECT_EQ(TextsAt(canvas, 34, 5), Texts{"休"});
  EXPECT_EQ(TextsAt(canvas, 34, 13), Texts{"囚"});
  EXPECT_EQ(TextsAt(canvas, 34, 11), Texts{"死"});
  EXPECT_DOUBLE_EQ(chart->stemWeights.total, 10.725);
  EXPECT_DOUBLE_EQ(chart->stemWeights.weight[6], 1.95);
}

TEST_F(StrengthTable, TenGodsOfAYinDayAndTheStatesOfASpringMonth) {
  Draw({{{1, 1}, {3, 3}, {2, 2}, {2, 4}}});  // 乙 day, 寅 month
  Texts names;
  for (int s = 1; s <= 10; ++s) names.push_back(TextsAt(canvas, 1, s + 3).at(0));
  EXPECT_EQ(names, (Texts{"劫財", "比肩", "傷官", "食神", "正財", "偏財", "正官", "七殺", "正印",
                          "偏印"}));
  EXPECT_EQ(TextsAt(canvas, 34, 5), Texts{"旺"});
  EXPECT_EQ(TextsAt(canvas, 34, 7), Texts{"相"});
  EXPECT_EQ(TextsAt(canvas, 34, 9), Texts{"死"});
  EXPECT_EQ(TextsAt(canvas, 34, 11), Texts{"囚"});
  EXPECT_EQ(TextsAt(canvas, 34, 13), Texts{"休"});
}

struct StrengthFixture : StrengthTable {
  StrengthFixture() {
    std::filesystem::copy_file(std::filesystem::path(QM_TEST_DATA_DIR) / "天干當令.DAT",
                               folder.path() / "天干當令.DAT");
  }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(folder.path() / name, std::ios::binary) << text;
  }
  TempProgramFolder folder{"strength"};
};

TEST_F(StrengthFixture, SlotsBeyondTheShownCountAreCountedToo) {
  std::string text;
  for (int branch = 1; branch <= 12; ++branch) text += "癸水,1,壬水,0.5,,0\r\n";
  Write("地支藏干.DAT", text);
  Draw();
  // Each branch's second slot, shown or not, adds 壬 once and half a count.
  EXPECT_EQ(chart->stemCounts.full[9], 1 + 4);
  EXPECT_DOUBLE_EQ(chart->stemCounts.weighted[9], 1 + 4 * 0.5);
  EXPECT_EQ(chart->stemCounts.full[10], 4);
  // The principal slot of 巳 and 辰 is the second: 壬; of 子 and 午 the first: 癸.
  EXPECT_EQ(chart->stemCounts.principal[9], 1 + 2);
  EXPECT_EQ(chart->stemCounts.principal[10], 2);
}

TEST_F(StrengthFixture, AZeroTotalStopsAtTheFirstShare) {
  std::filesystem::copy_file(std::filesystem::path(QM_TEST_DATA_DIR) / "地支藏干.DAT",
                             folder.path() / "地支藏干.DAT");
  std::string weights;
  for (int stem = 1; stem <= 10; ++stem) weights += "-2,-2,-2,-2,-2,-2,-2,-2,-2,-2,-2,-2\r\n";
  Write("天干當令.DAT", weights);
  chart.emplace(canvas, PillarsWithPalace({{{1, 1}, {6, 6}, {3, 7}, {9, 5}}}));
  PrintPillars(*chart);
  ComputeSeasonalStates(*chart);
  ComputeHiddenStems(*chart);
  CountStems(*chart);
  canvas.Cls();
  EXPECT_THROW(ComputeStemWeights(*chart), Failure);
  EXPECT_EQ(Row(4), (Texts{"甲", "1", "1", "1.0", "-2.0", "0.00"}));
  EXPECT_EQ(canvas.Items().size(), 2u + 6u);
}

}  // namespace
}  // namespace qm::natal::test
