#pragma once
// Charts written as text in tests: "甲申 己亥 _巳 __" is the year, month, day and hour pillar,
// "_" for a stem or branch never chosen; the result is stems first, then branches. A chart of N
// pillars (the luck window's seven) is read by PillarsFromText<N>.
#include <array>
#include <cstddef>
#include <string_view>

#include "base/names.h"

namespace qm::test {

template <std::size_t N = 4>
std::array<int, 2 * N> PillarsFromText(std::string_view chart) {
  std::array<int, 2 * N> numbers{};
  std::size_t pillar = 0;
  bool stemNext = true;
  for (std::size_t i = 0; i < chart.size();) {
    if (chart[i] == ' ') {
      ++i;
      continue;
    }
    const std::size_t length = chart[i] == '_' ? 1 : 3;
    const std::string_view name = chart.substr(i, length);
    i += length;
    if (stemNext) {
      numbers[pillar] = name == "_" ? 0 : *StemFromText(name);
    } else {
      numbers[pillar + N] = name == "_" ? 0 : *BranchFromText(name);
      ++pillar;
    }
    stemNext = !stemNext;
  }
  return numbers;
}

}  // namespace qm::test
