#pragma once
// The ten luck pillars stepped from the month pillar, their start ages, and the luck record
// BIGFOR that hands them to the fortune curve.
#include <array>
#include <optional>

#include "base/pillar.h"
#include "calendar/calendar.h"
#include "natal/luck_start.h"

namespace qm::natal {

inline constexpr int kLuckPillarCount = 10;
using LuckPillars = std::array<Pillar, kLuckPillarCount>;

// Luck pillar k is the month pillar k steps on, forward or backward: a 丙寅 month runs 丁卯,
// 戊辰 ... forward and 乙丑, 甲子 ... backward. No pillars without a direction.
std::optional<LuckPillars> LuckPillarsOf(Pillar month, LuckDirection direction);

// The age printed over luck pillar k (1..10): Int(start age + 10(k - 1) + rounding), the
// rounding 0.5 of the natal chart or 0 for a typed start age. A whole number, held as a double so
// that any typed start age has one.
double LuckPillarAge(double startAge, int k, double rounding = 0.5);

// Writes BIGFOR whole: the birth date (empty fields when there is none), the day stem, the start
// age, the month pillar and the ten luck pillars. The file is replaced only once it is complete;
// a file that cannot be written throws qm::Failure.
void WriteBigFor(const std::optional<SolarDate>& birth, int dayStem, double startAge, Pillar month,
                 const LuckPillars& pillars);

}  // namespace qm::natal
