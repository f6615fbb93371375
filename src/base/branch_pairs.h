#pragma once
// The two pairings of the twelve branches: each branch clashes (沖) with the branch opposite it
// and combines (六合) with one partner. The relation lists print these pairs from tables of their
// own, in their own order; every rule that asks whether two branches clash or combine asks here.
#include "base/names.h"

namespace qm {

// 沖: the branch six places on, opposite on the circle: 子午 丑未 寅申 卯酉 辰戌 巳亥.
// ClashPartner(2) == 8 (丑 clashes with 未); 0 for no branch.
constexpr int ClashPartner(int branch) {
  return branch >= 1 && branch <= 12 ? NextBranch(branch, 6) : 0;
}
constexpr bool BranchesClash(int a, int b) { return b != 0 && ClashPartner(a) == b; }

// 六合: 子丑, 寅亥, 卯戌, 辰酉, 巳申, 午未, two branches whose numbers add up to 3 or 15.
// SixCombinationPartner(3) == 12 (寅 combines with 亥); 0 for no branch.
constexpr int SixCombinationPartner(int branch) {
  return branch >= 1 && branch <= 12 ? Cycle(3 - branch, 12) : 0;
}
constexpr bool BranchesCombine(int a, int b) { return b != 0 && SixCombinationPartner(a) == b; }

}  // namespace qm
