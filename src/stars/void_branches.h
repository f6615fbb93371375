#pragma once
// 空亡: the two branches that a pillar's ten-pillar decade of the sixty cycle leaves out.
#include <array>
#include <optional>

#include "base/names.h"

namespace qm::stars {

// The decade opens at the 甲 pillar whose branch lies stem - 1 places back; its void pair are
// the two branches after its 癸 pillar: 甲子 -> 戌 亥, 癸亥 (decade of 甲寅) -> 子 丑. A pillar
// whose stem and branch differ in parity, or with a stem outside 1..10 or a branch outside
// 1..12, lies in no decade and has no pair.
constexpr std::optional<std::array<int, 2>> VoidBranches(int stem, int branch) {
  if (stem < 1 || stem > 10 || branch < 1 || branch > 12 || (stem - branch) % 2 != 0) {
    return std::nullopt;
  }
  const int opening = NextBranch(branch, 1 - stem);
  const int first = NextBranch(opening, 10);
  return std::array<int, 2>{first, NextBranch(first, 1)};
}

}  // namespace qm::stars
