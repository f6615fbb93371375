#pragma once
// Inputs for the tests of the first natal steps: pillars with a life palace.
#include "test_late_support.h"

namespace qm::natal::test {

// The pillars given as (stem, branch) for year, month, day and hour, with the life palace 丙寅.
inline ChartInputs PillarsWithPalace(std::array<std::pair<int, int>, 4> pillars) {
  ChartInputs in = InputsOf(pillars);
  in.pillars.LifePalaceStem = 3;
  in.pillars.LifePalaceBranch = 3;
  return in;
}

}  // namespace qm::natal::test
