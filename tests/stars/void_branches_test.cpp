#include "stars/void_branches.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

namespace {

struct VoidCase {
  int stem, branch;
  std::optional<std::array<int, 2>> pair;
};

// The decade openers 甲子 甲戌 甲申 甲午 甲辰 甲寅, pillars inside decades, and pillars in none.
const VoidCase kCases[] = {
    {1, 1, {{11, 12}}},   // 甲子: 戌 亥
    {1, 11, {{9, 10}}},   // 甲戌: 申 酉
    {1, 9, {{7, 8}}},     // 甲申: 午 未
    {1, 7, {{5, 6}}},     // 甲午: 辰 巳
    {1, 5, {{3, 4}}},     // 甲辰: 寅 卯
    {1, 3, {{1, 2}}},     // 甲寅: 子 丑
    {10, 12, {{1, 2}}},   // 癸亥, last of 甲寅's decade
    {10, 10, {{11, 12}}}, // 癸酉, last of 甲子's decade
    {3, 1, {{9, 10}}},    // 丙子, in 甲戌's decade
    {9, 7, {{9, 10}}},    // 壬午, in 甲戌's decade
    {6, 6, {{11, 12}}},   // 己巳, in 甲子's decade
    {3, 9, {{5, 6}}},     // 丙申, in 甲午's decade
    {1, 2, std::nullopt},  // 甲丑: unequal parity
    {0, 1, std::nullopt},
    {1, 0, std::nullopt},
    {11, 1, std::nullopt},
    {1, 13, std::nullopt},
};

TEST(VoidBranchesTest, PairOfEachPillarsDecade) {
  for (const VoidCase& c : kCases) {
    EXPECT_EQ(qm::stars::VoidBranches(c.stem, c.branch), c.pair) << c.stem << " " << c.branch;
  }
}

TEST(VoidBranchesTest, EveryPairLeavesOutExactlyTheTwoBranchesItsDecadeLacks) {
  for (int opening = 1; opening <= 12; opening += 2) {
    std::array<bool, 13> carried{};
    for (int stem = 1; stem <= 10; ++stem) carried[qm::NextBranch(opening, stem - 1)] = true;
    for (int stem = 1; stem <= 10; ++stem) {
      const auto pair = qm::stars::VoidBranches(stem, qm::NextBranch(opening, stem - 1));
      ASSERT_TRUE(pair.has_value());
      EXPECT_FALSE(carried[(*pair)[0]]);
      EXPECT_FALSE(carried[(*pair)[1]]);
      EXPECT_NE((*pair)[0], (*pair)[1]);
    }
  }
}

}  // namespace
