#pragma once
// The twenty-four solar terms: the moments at which the Sun's apparent longitude reaches a
// multiple of 15 degrees. The 節 lie at the odd multiples (小寒 285, 立春 315, ...), the 中氣 at
// the multiples of 30 (大寒 300, 雨水 330, ..., 冬至 270).
#include <vector>

namespace almanac {

struct SolarTerm {
  int degrees = 0;  // 0, 15, ..., 345
  double jdUt = 0;
};

inline constexpr int kWinterSolstice = 270;

constexpr bool IsJie(int degrees) { return degrees % 30 == 15; }

// Every solar term from the Julian day `from` to `to` (UT), in time order.
std::vector<SolarTerm> SolarTermsBetween(double from, double to);

}  // namespace almanac
