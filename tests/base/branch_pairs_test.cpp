// The clash and six-combination partners of every branch, as practitioners name the pairs.
#include <gtest/gtest.h>

#include <span>

#include "base/branch_pairs.h"

namespace qm {
namespace {

int B(std::string_view name) { return *BranchFromText(name); }

struct Pair {
  const char* a;
  const char* b;
};
constexpr Pair kClashes[] = {{"子", "午"}, {"丑", "未"}, {"寅", "申"},
                             {"卯", "酉"}, {"辰", "戌"}, {"巳", "亥"}};
constexpr Pair kCombinations[] = {{"子", "丑"}, {"寅", "亥"}, {"卯", "戌"},
                                  {"辰", "酉"}, {"巳", "申"}, {"午", "未"}};

// Each named pair: each branch the partner of the other, and the rule holding in either order.
void ExpectPairs(std::span<const Pair> pairs, int (*partner)(int), bool (*rule)(int, int)) {
  for (const Pair& p : pairs) {
    EXPECT_EQ(partner(B(p.a)), B(p.b)) << p.a;
    EXPECT_EQ(partner(B(p.b)), B(p.a)) << p.b;
    EXPECT_TRUE(rule(B(p.a), B(p.b))) << p.a << p.b;
    EXPECT_TRUE(rule(B(p.b), B(p.a))) << p.b << p.a;
  }
}

TEST(BranchPairs, EachBranchClashesWithTheBranchOppositeIt) {
  ExpectPairs(kClashes, ClashPartner, BranchesClash);
  EXPECT_FALSE(BranchesClash(B("子"), B("丑")));
  EXPECT_FALSE(BranchesClash(B("子"), B("子")));
}

TEST(BranchPairs, EachBranchCombinesWithItsOnePartner) {
  ExpectPairs(kCombinations, SixCombinationPartner, BranchesCombine);
  EXPECT_FALSE(BranchesCombine(B("子"), B("午")));
  EXPECT_FALSE(BranchesCombine(B("寅"), B("卯")));
}

// A missing branch (0) has no partner and pairs with nothing, not even the branch that a plain
// difference of six or a sum of three would give.
TEST(BranchPairs, AMissingBranchPairsWithNothing) {
  EXPECT_EQ(ClashPartner(0), 0);
  EXPECT_EQ(SixCombinationPartner(0), 0);
  for (int branch = 0; branch <= 12; ++branch) {
    EXPECT_FALSE(BranchesClash(0, branch)) << branch;
    EXPECT_FALSE(BranchesClash(branch, 0)) << branch;
    EXPECT_FALSE(BranchesCombine(0, branch)) << branch;
    EXPECT_FALSE(BranchesCombine(branch, 0)) << branch;
  }
}

}  // namespace
}  // namespace qm
