#pragma once
// A pillar of a chart: a stem and a branch. The chart, the relation list and the star grid all
// hold their pillars in this one form; 0 in either place means none (a missing luck pillar, a
// pillar never chosen).
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "base/names.h"

namespace qm {

constexpr bool IsStem(int stem) { return stem >= 1 && stem <= 10; }
constexpr bool IsBranch(int branch) { return branch >= 1 && branch <= 12; }

// A stem (1..10) or branch (1..12) number as it is, for reading a table by it; a number outside
// (a 0 of a missing pillar among them) throws qm::Failure instead of reading past the table.
int CheckedStem(int stem);
int CheckedBranch(int branch);

// The stem and branch characters, checked the same way.
inline std::string_view StemText(int stem) { return kStemNames[CheckedStem(stem)]; }
inline std::string_view BranchText(int branch) { return kBranchNames[CheckedBranch(branch)]; }

struct Pillar {
  int stem = 0;
  int branch = 0;

  // A pair of the sixty cycle: both in range and of the same polarity.
  constexpr bool IsValid() const {
    return IsStem(stem) && IsBranch(branch) && stem % 2 == branch % 2;
  }
  bool operator==(const Pillar&) const = default;
};

// The stems of some pillars in order, then their branches in the same order, as the relation
// list and the star grid take them: {年干, 月干, ..., 年支, 月支, ...}.
template <std::size_t N>
constexpr std::array<int, 2 * N> StemsThenBranches(const std::array<Pillar, N>& pillars) {
  std::array<int, 2 * N> numbers{};
  for (std::size_t k = 0; k < N; ++k) {
    numbers[k] = pillars[k].stem;
    numbers[k + N] = pillars[k].branch;
  }
  return numbers;
}

class FieldReader;

// The next two fields of a table as a pair of the sixty cycle; anything else is a failure of the
// reader's file.
Pillar NextPillar(FieldReader& reader);

// The characters of a pillar; a stem or branch outside its range gives no character.
std::string PillarText(Pillar pillar);

}  // namespace qm
