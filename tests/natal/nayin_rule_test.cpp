// The nayin of a pillar as the records of its pair.
#include <gtest/gtest.h>

#include <tuple>

#include "natal/nayin.h"
#include "chart_test_support.h"

namespace qm::natal::test {
namespace {

using Found = std::vector<std::tuple<double, double, double, int>>;

// The records found for a pillar, as (stem, branch, element, stage).
Found Records(const NayinTable& table, Pillar pillar) {
  Found found;
  for (const NayinRecord& r : NayinOf(table, pillar)) found.emplace_back(r.stem, r.branch, r.element, r.stage);
  return found;
}

// A table of the sixty pairs in cycle order, each of element 3 and stage 1, but for the records
// given (1..60).
NayinTable TableWith(std::initializer_list<std::pair<int, NayinRecord>> records) {
  NayinTable table;
  for (int n = 1; n <= 60; ++n) table[n - 1] = {double(Cycle(n, 10)), double(Cycle(n, 12)), 3, 1};
  for (const auto& [n, record] : records) table[n - 1] = record;
  return table;
}

TEST(NayinOf, PairOfTheCycleFindsItsRecord) {
  // 甲子 海中金, 金 at 子 is 死; 壬申 劍鋒金 at 申 in its fourth stage.
  NayinTable table = TableWith({{1, {1, 1, 4, 8}}, {9, {9, 9, 4, 4}}});
  EXPECT_EQ(Records(table, {1, 1}), (Found{{1, 1, 4, 8}}));
  EXPECT_EQ(Records(table, {9, 9}), (Found{{9, 9, 4, 4}}));
  EXPECT_EQ(Records(table, {10, 12}), (Found{{10, 12, 3, 1}}));
}

TEST(NayinOf, PillarOfMismatchedPolarityHasNone) {
  NayinTable table = TableWith({});
  EXPECT_TRUE(Records(table, {1, 2}).empty());  // 甲丑
  EXPECT_TRUE(Records(table, {2, 1}).empty());  // 乙子
  EXPECT_TRUE(Records(table, {0, 0}).empty());  // no pillar
}

TEST(NayinOf, PairMissingFromTheTableHasNoneAndATwiceWrittenPairBoth) {
  // 甲子's place taken by a second 丙寅 record, ahead of 丙寅's own.
  NayinTable table = TableWith({{3, {3, 3, 2, 1}}, {1, {3, 3, 2, 12}}});
  EXPECT_TRUE(Records(table, {1, 1}).empty());
  EXPECT_EQ(Records(table, {3, 3}), (Found{{3, 3, 2, 12}, {3, 3, 2, 1}}));
}

TEST(NayinOf, DeliveredTableMatchesAPairAndNoMismatchedPillar) {
  TempProgramFolder folder("nayin_rule");
  folder.CopyData("納音.DAT");
  NayinTable table = ReadNayinTable();
  EXPECT_EQ(Records(table, {1, 1}), (Found{{1, 1, 4, 8}}));   // 甲子 海中金 in 死
  EXPECT_EQ(Records(table, {3, 3}), (Found{{3, 3, 2, 1}}));   // 丙寅 爐中火 in 長生
  EXPECT_TRUE(Records(table, {1, 2}).empty());                // 甲丑 is no pair of the cycle
}

}  // namespace
}  // namespace qm::natal::test
