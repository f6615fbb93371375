#pragma once
// The RocYear range of the program's calendar and the month lengths of a year.
#include <array>

namespace qm {

inline constexpr int kFirstRocYear = 1;
inline constexpr int kLastRocYear = 120;

// The twelve month lengths of a RocYear, index 1..12 (index 0 unused); February has 29 days
// when (RocYear + 1911) Mod 4 = 0.
constexpr std::array<int, 13> MonthLengths(int rocYear) {
  int february = (rocYear + 1911) % 4 == 0 ? 29 : 28;
  return {0, 31, february, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
}

}  // namespace qm
