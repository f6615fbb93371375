// The shared rules of the natal analysis: ten gods, seasonal states, stages and their words.
#include <gtest/gtest.h>

#include "base/failure.h"
#include "natal/chart_rules.h"

namespace qm::natal {
namespace {

struct TenGodCase {
  int stem, dayStem;
  std::string_view name;
};

TEST(TenGodName, FollowsThePolarityOfTheDayStem) {
  const TenGodCase cases[] = {
      {1, 2, "劫財"}, {3, 2, "傷官"}, {2, 2, "比肩"}, {2, 1, "劫財"}, {10, 1, "正印"},
      {1, 3, "偏印"}, {9, 3, "七殺"}, {10, 3, "正官"}, {8, 2, "七殺"}, {7, 2, "正官"}, {5, 2, "正財"},
      {7, 10, "正印"}, {6, 10, "七殺"}, {9, 10, "劫財"}, {4, 4, "比肩"}};
  for (const auto& c : cases)
    EXPECT_EQ(TenGodName(c.stem, c.dayStem), c.name) << c.stem << " on " << c.dayStem;
}

TEST(TenGodName, RefusesAStemOutsideTheTen) {
  EXPECT_THROW(TenGodName(0, 3), Failure);
  EXPECT_THROW(TenGodName(3, 11), Failure);
}

struct StateCase {
  int monthBranch, stem;
  std::string_view state;
};

TEST(SeasonStateOf, GivesEachStemItsStateInTheMonth) {
  const StateCase cases[] = {
      {3, 1, "旺"}, {3, 3, "相"}, {3, 9, "休"}, {3, 7, "囚"}, {3, 5, "死"},   // 寅
      {7, 3, "旺"}, {7, 5, "相"}, {7, 1, "休"}, {7, 9, "囚"}, {7, 7, "死"},   // 午
      {2, 5, "旺"}, {2, 6, "旺"}, {2, 9, "死"}, {2, 10, "死"},                  // 丑
      {1, 9, "旺"}, {1, 1, "相"}, {1, 3, "死"},                                  // 子
      {10, 8, "旺"}, {10, 2, "死"}};                                            // 酉
  for (const auto& c : cases)
    EXPECT_EQ(kSeasonStateNames[SeasonStateOf(StemElement(c.stem), StateSeason(c.monthBranch))],
              c.state)
        << c.stem << " in " << c.monthBranch;
}

TEST(SeasonLabel, PutsTheEarthMonthAtTheEndOfItsSeason) {
  EXPECT_EQ(SeasonLabel(5), " (春溼)");
  EXPECT_EQ(SeasonLabel(3), " (春溼)");
  EXPECT_EQ(SeasonLabel(8), " (夏炎)");
  EXPECT_EQ(SeasonLabel(11), " (秋燥)");
  EXPECT_EQ(SeasonLabel(2), " (冬寒)");
  EXPECT_EQ(SeasonLabel(12), " (冬寒)");
  EXPECT_THROW(SeasonLabel(13), Failure);
}

TEST(StageAt, FindsTheBranchInTheStemsRowAndTakesItsLastPlace) {
  std::array<StageRow, 11> table{};
  table[1] = {0, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  table[2] = {0, 7, 7, 5, 4, 3, 2, 1, 12, 11, 10, 9, 7};
  EXPECT_EQ(StageAt(table, 1, 4), 5);   // 甲 at 卯: 帝旺
  EXPECT_EQ(StageAt(table, 1, 12), 1);  // 甲 at 亥: 長生
  EXPECT_EQ(StageAt(table, 2, 7), 12);
  EXPECT_EQ(StageAt(table, 2, 6), 0);
}

}  // namespace
}  // namespace qm::natal
