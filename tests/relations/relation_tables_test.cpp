// The printed tables of clashes and six combinations against the pairing rules the other charts
// ask: each row a pair of the rule, each branch in exactly one row.
#include <gtest/gtest.h>

#include <array>
#include <span>

#include "base/branch_pairs.h"
#include "relations/relation_tables.h"

namespace qm::relations {
namespace {

template <class Rule>
void ExpectEveryPairOnce(std::span<const Group> table, Rule pairs) {
  std::array<int, 13> rows{};
  for (const Group& group : table) {
    const int a = group.members[0], b = group.members[1];
    EXPECT_TRUE(pairs(a, b)) << group.text;
    EXPECT_EQ(group.members[2], 0) << group.text;
    ++rows[a], ++rows[b];
  }
  for (int branch = 1; branch <= 12; ++branch) EXPECT_EQ(rows[branch], 1) << kBranchNames[branch];
}

TEST(RelationTables, TheClashesAreThePairsOfTheClashRule) {
  ExpectEveryPairOnce(kBranchClashes, BranchesClash);
}

TEST(RelationTables, TheSixCombinationsAreThePairsOfTheCombinationRule) {
  ExpectEveryPairOnce(kSixCombinations, BranchesCombine);
}

}  // namespace
}  // namespace qm::relations
