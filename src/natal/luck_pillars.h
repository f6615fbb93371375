#pragma once
// The ten luck pillars stepped from the month pillar and their start ages; the luck record
// BIGFOR that hands them to the fortune curve is natal/luck_record.h.
#include <optional>

#include "base/pillar.h"
#include "calendar/calendar.h"
#include "natal/luck_record.h"
#include "natal/luck_start.h"

namespace qm::natal {

// Luck pillar k is the month pillar k steps on, forward or backward: a 丙寅 month runs 丁卯,
// 戊辰 ... forward and 乙丑, 甲子 ... backward. No pillars without a direction.
std::optional<LuckPillars> LuckPillarsOf(Pillar month, LuckDirection direction);

// The age printed over luck pillar k (1..10): Int(start age + 10(k - 1) + rounding), the
// rounding 0.5 of the natal chart or 0 for a typed start age. A whole number, held as a double so
// that any typed start age has one.
double LuckPillarAge(double startAge, int k, double rounding = 0.5);

}  // namespace qm::natal
