// The stem counts, weights and shares as values, on a hidden-stem table and monthly weights
// written out here and summed by hand.
#include <gtest/gtest.h>

#include <numeric>

#include "base/failure.h"
#include "natal/stem_strength.h"
#include "chart_test_support.h"

namespace qm::natal::test {
namespace {

using Counts = std::array<int, 11>;
using Weights = std::array<double, 11>;

// 甲子 丙寅 戊辰 庚申.
const std::array<Pillar, 4> kExample = NatalOf({{{1, 1}, {3, 3}, {5, 5}, {7, 9}}});

// The four branches of the example, each with its hidden stems weighing 1 in all; the principal
// slot of 寅 辰 申 is the middle one, of 子 the first.
HiddenStemTable ExampleHiddenStems() {
  HiddenStemTable table;
  table[1] = {{{"癸水", "1"}, {"", "0"}, {"", "0"}}};
  table[3] = {{{"丙火", "0.3"}, {"甲木", "0.6"}, {"戊土", "0.1"}}};
  table[5] = {{{"癸水", "0.2"}, {"戊土", "0.5"}, {"乙木", "0.3"}}};
  table[9] = {{{"壬水", "0.3"}, {"庚金", "0.6"}, {"戊土", "0.1"}}};
  return table;
}

// In a 寅 month 木 is 旺 (+2), 火 相 (+1), 水 休 (0), 金 囚 (-0.5), 土 死 (-1); every other
// month weighs 9, so that a wrong column shows.
MonthlyStemWeights SpringWeights() {
  constexpr std::array<double, 11> kTiger = {0, 2, 2, 1, 1, -1, -1, -0.5, -0.5, 0, 0};
  MonthlyStemWeights monthly{};
  for (int s = 1; s <= 10; ++s) {
    monthly[s].fill(9);
    monthly[s][3] = kTiger[s];
  }
  return monthly;
}

void ExpectWeights(const Weights& actual, const Weights& expected) {
  for (int s = 1; s <= 10; ++s) EXPECT_NEAR(actual[s], expected[s], 1e-12) << "stem " << s;
}

TEST(CountStemsOf, ExampleChart) {
  // Pillar stems 甲 丙 戊 庚; principal hidden stems 癸 (子), 甲 (寅), 戊 (辰), 庚 (申).
  StemCounts counts = CountStemsOf(kExample, ExampleHiddenStems());
  EXPECT_EQ(counts.principal, (Counts{0, 2, 0, 1, 0, 2, 0, 2, 0, 0, 1}));
  // Every hidden stem besides: 甲 丙 戊 of 寅, 癸 戊 乙 of 辰, 壬 庚 戊 of 申, 癸 of 子.
  EXPECT_EQ(counts.full, (Counts{0, 2, 1, 2, 0, 4, 0, 2, 0, 1, 2}));
  ExpectWeights(counts.weighted, {0, 1.6, 0.3, 1.3, 0, 1.7, 0, 1.6, 0, 0.3, 1.2});
  // Four stems and four principal hidden stems; four stems and the ten hidden stems shown.
  EXPECT_EQ(std::accumulate(counts.principal.begin(), counts.principal.end(), 0), 8);
  EXPECT_EQ(std::accumulate(counts.full.begin(), counts.full.end(), 0), 14);
}

TEST(CountStemsOf, EverySlotCountsAndOnlyStemsCount) {
  // 子 holds 壬 in a slot it does not show and 水 alone in the third; 午 weighs its 丁 with a
  // text that is no number and its 己 with ".5".
  HiddenStemTable table;
  table[1] = {{{"癸水", "1"}, {"壬水", "0.5"}, {"水", "0.7"}}};
  table[7] = {{{"丁火", "x"}, {"己土", ".5"}, {"", "0"}}};
  StemCounts counts = CountStemsOf(NatalOf({{{9, 1}, {7, 7}, {9, 1}, {7, 7}}}), table);  // 壬子 庚午 壬子 庚午
  EXPECT_EQ(counts.principal, (Counts{0, 0, 0, 0, 2, 0, 0, 2, 0, 2, 2}));
  EXPECT_EQ(counts.full, (Counts{0, 0, 0, 0, 2, 0, 2, 2, 0, 4, 2}));
  ExpectWeights(counts.weighted, {0, 0, 0, 0, 0, 0, 1, 2, 0, 3, 2});
}

TEST(WeighStems, MonthlyWeightOfTheMonthBranchScalesEachStem) {
  StemWeights weights = WeighStems(CountStemsOf(kExample, ExampleHiddenStems()), SpringWeights(), 3);
  // 甲 1.6 doubled by 2, 壬 0.3 kept by 0, 戊 1.7 halved by -1, 丙 1.3 by 1.5, 庚 1.6 by 0.75.
  ExpectWeights(weights.weight, {0, 3.2, 0.6, 1.95, 0, 0.85, 0, 1.2, 0, 0.3, 1.2});
  EXPECT_NEAR(weights.total, 9.3, 1e-12);
}

TEST(WeighStems, SharesOfStemsAndElementsMakeAHundred) {
  StemWeights weights = WeighStems(CountStemsOf(kExample, ExampleHiddenStems()), SpringWeights(), 3);
  EXPECT_NEAR(weights.StemShare(1), 3.2 / 9.3 * 100, 1e-9);
  EXPECT_NEAR(weights.StemShare(4), 0, 1e-12);
  const double elements[] = {0, 3.8 / 9.3 * 100, 1.95 / 9.3 * 100, 0.85 / 9.3 * 100,
                             1.2 / 9.3 * 100, 1.5 / 9.3 * 100};
  double stems = 0, all = 0;
  for (int e = 1; e <= 5; ++e) {
    EXPECT_NEAR(weights.ElementShare(e), elements[e], 1e-9) << "element " << e;
    all += weights.ElementShare(e);
  }
  for (int s = 1; s <= 10; ++s) stems += weights.StemShare(s);
  EXPECT_NEAR(stems, 100, 1e-9);
  EXPECT_NEAR(all, 100, 1e-9);
}

TEST(WeighStems, ZeroTotalHasNoShares) {
  // A monthly weight of -2 takes every stem to nothing.
  MonthlyStemWeights monthly{};
  for (auto& row : monthly) row.fill(-2);
  StemWeights weights = WeighStems(CountStemsOf(kExample, ExampleHiddenStems()), monthly, 3);
  EXPECT_EQ(weights.total, 0);
  EXPECT_THROW(weights.StemShare(1), Failure);
  EXPECT_THROW(weights.ElementShare(1), Failure);
}

TEST(WeighStems, MissingMonthBranchFails) {
  EXPECT_THROW(WeighStems(StemCounts{}, SpringWeights(), 0), Failure);
}

}  // namespace
}  // namespace qm::natal::test
