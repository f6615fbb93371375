// The day-master strength and standard and the nine-immortals count as values.
#include <gtest/gtest.h>

#include "base/failure.h"
#include "natal/day_master.h"
#include "chart_test_support.h"

namespace qm::natal::test {
namespace {

TEST(DayMasterStrengthOf, OwnAndGeneratingElementOfEveryDayStem) {
  // Each stem weighs a power of two, so every sum names its four stems.
  const std::array<double, 11> weights = {0, 1, 2, 4, 8, 16, 32, 64, 128, 256, 512};
  // Each stem weighs 0.75 × its number in a 亥 month: 丁 5.5 - 3 and 辛 5.5 - 6.
  MonthlyStemWeights monthly{};
  for (int s = 1; s <= 10; ++s) monthly[s][12] = 0.75 * s;
  struct Case {
    int dayStem;
    double strength, standard;
  };
  const Case cases[] = {
      {1, 1 + 2 + 256 + 512, 4.75},  // 甲乙 with 壬癸
      {2, 1 + 2 + 256 + 512, 4},
      {3, 4 + 8 + 1 + 2, 3.25},      // 丙丁 with 甲乙
      {4, 4 + 8 + 1 + 2, 2.5},
      {5, 16 + 32 + 4 + 8, 1.75},    // 戊己 with 丙丁
      {6, 16 + 32 + 4 + 8, 1},
      {7, 64 + 128 + 16 + 32, 0.25}, // 庚辛 with 戊己
      {8, 64 + 128 + 16 + 32, -0.5}, // a monthly weight above 5.5: below zero
      {9, 256 + 512 + 64 + 128, -1.25},  // 壬癸 with 庚辛
      {10, 256 + 512 + 64 + 128, -2},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.dayStem);
    DayMasterStrength day = DayMasterStrengthOf(t.dayStem, 12, weights, monthly);
    EXPECT_EQ(day.strength, t.strength);
    EXPECT_EQ(day.standard, t.standard);
  }
}

TEST(DayMasterStrengthOf, StandardReadsTheMonthBranchColumn) {
  MonthlyStemWeights monthly{};
  monthly[5][2] = 2;   // 戊 in an 丑 month
  monthly[5][3] = -1;  // 戊 in a 寅 month
  const std::array<double, 11> weights{};
  EXPECT_EQ(DayMasterStrengthOf(5, 2, weights, monthly).standard, 3.5);
  EXPECT_EQ(DayMasterStrengthOf(5, 3, weights, monthly).standard, 6.5);
  EXPECT_THROW(DayMasterStrengthOf(0, 3, weights, monthly), Failure);
  EXPECT_THROW(DayMasterStrengthOf(5, 0, weights, monthly), Failure);
}

TEST(NineImmortalsCount, SharesOfTheDayElementAndItsGenerator) {
  struct Case {
    const char* what;
    std::array<std::pair<int, int>, 4> pillars;
    int count;
  };
  const Case cases[] = {
      {"甲 day, every share 木 or 水", {{{9, 1}, {1, 3}, {1, 1}, {1, 1}}}, 8},
      {"甲 day, no share 木 or 水", {{{7, 9}, {5, 7}, {1, 7}, {7, 7}}}, 0},
      {"甲 day, the 子 month branch alone counts twice", {{{7, 9}, {3, 1}, {1, 7}, {7, 7}}}, 2},
      {"甲 day, the 子 day branch alone counts once", {{{7, 9}, {3, 7}, {1, 1}, {7, 7}}}, 1},
      {"甲 day, the 亥 hour branch", {{{7, 9}, {3, 7}, {1, 7}, {8, 12}}}, 1},
      // 丙 午 己 丑(2) 丁 未 support; the 申 day branch does not.
      {"戊 day, 火 and 土", {{{3, 7}, {6, 2}, {5, 9}, {4, 8}}}, 7},
      // 辛 酉 壬 子(2) support; 卯 甲 寅 do not.
      {"癸 day, 水 and 金", {{{8, 10}, {9, 1}, {10, 4}, {1, 3}}}, 5},
      // 戊 辰 戌 support; 甲 寅 乙 卯 do not.
      {"庚 day, 金 and 土", {{{5, 5}, {1, 3}, {7, 11}, {2, 4}}}, 3},
      // 甲 巳 support; 子 癸 亥 壬 子 do not.
      {"丁 day, 火 and 木", {{{1, 1}, {10, 12}, {4, 6}, {9, 1}}}, 2},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.what);
    EXPECT_EQ(NineImmortalsCount(NatalOf(t.pillars)), t.count);
  }
}

}  // namespace
}  // namespace qm::natal::test
