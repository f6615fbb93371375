#pragma once
// How strongly the chart supports its day stem: the day-master strength and standard, and the
// nine-immortals count.
#include <array>
#include <span>

#include "base/pillar.h"
#include "natal/chart_rules.h"

namespace qm::natal {

struct DayMasterStrength {
  double strength = 0;  // 日干旺度: the weights of the day stem's element and of its generator
  double standard = 0;  // 日干標準: 5.5 less the day stem's weight in the month branch
};

// A 甲 day adds the weights of 甲 乙 壬 癸. stemWeights index 1..10.
DayMasterStrength DayMasterStrengthOf(int dayStem, int monthBranch,
                                      const std::array<double, 11>& stemWeights,
                                      const MonthlyStemWeights& monthly);

// Of the seven elements of the chart besides the day stem (the month branch counting twice),
// how many shares are of the day stem's element or of the one generating it: 0 .. 8. The line
// shows this count + 1 against the rest of nine.
int NineImmortalsCount(std::span<const Pillar, 4> natal);

}  // namespace qm::natal
