#pragma once
// How strongly each of the ten stems is present in the four natal pillars, weighted by the
// season of the birth month. Index 1..10 (stem) throughout.
#include <array>
#include <span>

#include "base/pillar.h"
#include "natal/chart_rules.h"

namespace qm::natal {

struct StemCounts {
  std::array<int, 11> principal{};    // pillar stems and principal hidden stems
  std::array<int, 11> full{};         // pillar stems and every hidden stem
  std::array<double, 11> weighted{};  // pillar stems and every hidden stem by its weight
};

// Each pillar stem counts 1; each hidden stem of a pillar branch counts 1 in the full count and
// its weight in the weighted count, every slot shown or not; only the principal slot counts in
// the principal count. A slot that names no stem adds nothing.
StemCounts CountStemsOf(std::span<const Pillar, 4> natal, const HiddenStemTable& hidden);

struct StemWeights {
  std::array<double, 11> weight{};
  double total = 0;
  // A stem's or an element's part of the total, in hundredths; a total of 0 throws qm::Failure.
  double StemShare(int stem) const;
  double ElementShare(int element) const;
};

// Each weighted count times (1 + 0.5 × the stem's weight in the month branch): a monthly weight
// of 2 doubles it, 0 keeps it, -1 halves it.
StemWeights WeighStems(const StemCounts& counts, const MonthlyStemWeights& monthly, int monthBranch);

}  // namespace qm::natal
