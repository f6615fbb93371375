// The polarity of the stems, the seven stage pairs, the pillar scores and the yin-yang balance
// as values.
#include <gtest/gtest.h>

#include "natal/polarity_and_balance.h"
#include "chart_test_support.h"

namespace qm::natal::test {
namespace {

using Pillars4 = std::array<std::pair<int, int>, 4>;

TEST(PurePolarity, OnlyFourStemsOfOnePolarity) {
  struct Case {
    Pillars4 pillars;
    std::string_view mark;
  };
  const Case cases[] = {
      {{{{1, 1}, {3, 3}, {5, 5}, {7, 9}}}, "純陽"},     // 甲 丙 戊 庚
      {{{{9, 1}, {9, 1}, {9, 1}, {9, 1}}}, "純陽"},
      {{{{2, 2}, {4, 4}, {6, 6}, {10, 10}}}, "純陰"},   // 乙 丁 己 癸
      {{{{1, 1}, {3, 3}, {5, 5}, {8, 8}}}, ""},         // three yang, one yin
      {{{{2, 2}, {4, 4}, {6, 6}, {7, 7}}}, ""},         // three yin, one yang
  };
  for (const Case& t : cases) EXPECT_EQ(PurePolarity(NatalOf(t.pillars)), t.mark);
}

TEST(PairStages, SevenPairsInTheirOrder) {
  struct Case {
    const char* what;
    Pillars4 pillars;
    std::array<int, 7> stages;
  };
  const Case cases[] = {
      // 甲 born at 亥, 丙 at 寅, 庚 at 巳, all forward: 甲子 沐浴, 丙寅 長生, 庚申 建祿, 寅 of 庚
      // 絕, 申 of 丙 病, 寅 of 甲 建祿, 申 of 甲 絕.
      {"甲子 丙寅 戊辰 庚申", {{{1, 1}, {3, 3}, {5, 5}, {7, 9}}}, {2, 1, 4, 10, 7, 4, 10}},
      // 乙 born at 午, 丁 at 酉, 辛 at 子, all backward: 乙丑 衰, 丁巳 帝旺, 辛亥 沐浴, 巳 of 辛 死,
      // 亥 of 丁 胎, 巳 of 乙 沐浴, 亥 of 乙 死.
      {"乙丑 丁巳 戊午 辛亥", {{{2, 2}, {4, 6}, {5, 7}, {8, 12}}}, {6, 5, 2, 8, 11, 2, 8}},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.what);
    EXPECT_EQ(PairStages(NatalOf(t.pillars), AlmanacStageTable()), t.stages);
  }
}

TEST(PairStages, StemStandingNowhereHasNoStage) {
  StageTable stages = AlmanacStageTable();
  stages[1] = {};  // 甲: pairs 1, 6 and 7
  EXPECT_EQ(PairStages(NatalOf({{{1, 1}, {3, 3}, {5, 5}, {7, 9}}}), stages),
            (std::array<int, 7>{0, 1, 4, 10, 7, 0, 0}));
}

TEST(PillarScores, ScoresAndSeasonOfTheWorkedCharts) {
  struct Case {
    const char* what;
    Pillars4 pillars;
    BalanceItems items;  // stems of year, month, day, hour, then their branches
    double balance;
  };
  const Case cases[] = {
      // 寅 month: 甲 and 寅 in season, 1.2 × (3 + 3) + (-7 + 7 + 1 - 6 - 1 - 1).
      {"甲子 丙寅 戊辰 庚申",
       {{{1, 1}, {3, 3}, {5, 5}, {7, 9}}},
       {{{3, true}, {7, false}, {1, false}, {-1, false}, {-7, false}, {3, true}, {-6, false}, {-1, false}}},
       0.2},
      // 辰 month: 壬 癸 子 辰 辰 in season, 1.2 × (-5 - 7 - 7 - 6 - 6) + (3 + 1 - 3).
      {"壬子 甲辰 癸酉 戊辰",
       {{{9, 1}, {1, 5}, {10, 10}, {5, 5}}},
       {{{-5, true}, {3, false}, {-7, true}, {1, false}, {-7, true}, {-6, true}, {-3, false}, {-6, true}}},
       -36.2},
      // 丑 month: 庚 辛 申 丑 酉 in season, never 己 or 戊; 戌 is of the summer group.
      {"庚申 己丑 辛酉 戊戌",
       {{{7, 9}, {6, 2}, {8, 10}, {5, 11}}},
       {{{-1, true}, {-1, false}, {-3, true}, {1, false}, {-1, true}, {-2, true}, {-3, true}, {6, false}}},
       -6},
      // 未 month: 甲 乙 and both 未 in season, 1.2 × (1 + 3 + 2 + 2) + (-7 + 7 + 5 + 5).
      {"乙未 癸未 丙午 甲午",
       {{{2, 8}, {10, 8}, {3, 7}, {1, 7}}},
       {{{1, true}, {-7, false}, {7, false}, {3, true}, {2, true}, {2, true}, {5, false}, {5, false}}},
       19.6},
      // 戌 month: 丙 丁 巳 戌 in season, 1.2 × (5 + 7 + 7 + 6) + (-5 - 1 + 3 - 5).
      {"丁巳 壬戌 丙寅 己亥",
       {{{4, 6}, {9, 11}, {3, 3}, {6, 12}}},
       {{{5, true}, {-5, false}, {7, true}, {-1, false}, {7, true}, {6, true}, {3, false}, {-5, false}}},
       22},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.what);
    BalanceItems items = PillarScores(NatalOf(t.pillars));
    for (std::size_t i = 0; i < items.size(); ++i) {
      EXPECT_EQ(items[i].score, t.items[i].score) << "item " << i;
      EXPECT_EQ(items[i].inSeason, t.items[i].inSeason) << "item " << i;
    }
    EXPECT_NEAR(YinYangBalance(items), t.balance, 1e-9);
  }
}

TEST(PillarScores, EveryStemAndBranchScore) {
  // Stems 甲 .. 癸 and branches 子 .. 亥 in turn, in a 午 month where 丙 丁 巳 午 戌 are in season.
  constexpr std::array<int, 11> kStems = {0, 3, 1, 7, 5, 1, -1, -1, -3, -5, -7};
  constexpr std::array<int, 13> kBranches = {0, -7, -2, 3, 1, -6, 7, 5, 2, -1, -3, 6, -5};
  for (int s = 1; s <= 10; ++s) {
    BalanceItems items = PillarScores(NatalOf({{{s, 1}, {1, 7}, {1, 1}, {1, 1}}}));
    EXPECT_EQ(items[0].score, kStems[s]) << "stem " << s;
    EXPECT_EQ(items[0].inSeason, s == 3 || s == 4) << "stem " << s;
  }
  for (int b = 1; b <= 12; ++b) {
    BalanceItems items = PillarScores(NatalOf({{{1, 1}, {1, 7}, {1, 1}, {1, b}}}));
    EXPECT_EQ(items[7].score, kBranches[b]) << "branch " << b;
    EXPECT_EQ(items[7].inSeason, b == 6 || b == 7 || b == 11) << "branch " << b;
  }
}

TEST(YinYangBalance, InSeasonCountsOnePointTwo) {
  BalanceItems items{};
  items[0] = {5, true};
  items[5] = {-10, true};
  items[7] = {3, false};
  EXPECT_NEAR(YinYangBalance(items), 1.2 * -5 + 3, 1e-12);
}

}  // namespace
}  // namespace qm::natal::test
