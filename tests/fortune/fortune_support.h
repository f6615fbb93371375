#pragma once
// Small records and tables for the fortune tests.
#include <array>

#include "base/names.h"
#include "calendar/calendar_tables.h"
#include "fortune/fortune_score.h"
#include "natal/luck_record.h"

namespace qm::fortune::fixture {

// SIXTY.DAT as the program folder holds it: entry n is stem n counted round by ten and branch
// n counted round by twelve (1 甲子 .. 60 癸亥).
inline std::array<Pillar, 61> SixtyCycle() {
  std::array<Pillar, 61> table{};
  for (int n = 1; n <= 60; ++n) table[n] = {Cycle(n, 10), Cycle(n, 12)};
  return table;
}

// A luck record whose month pillar is 己巳 and whose luck pillar j is stem j with branch j + 2
// (甲寅, 乙卯, ...), so that every ruler tells which pillar it comes from.
inline natal::LuckRecord RecordStartingAt(double luckStartAge, int birthYear = 58) {
  natal::LuckRecord record;
  record.birth = SolarDate{birthYear, 5, 12};
  record.dayStem = 3;
  record.luckStartAge = luckStartAge;
  record.month.stem = 6;
  record.month.branch = 6;
  for (int j = 1; j <= natal::kLuckPillarCount; ++j) record.pillars[j - 1] = {j, j + 2};
  return record;
}

// The start screen's default roles: 用 甲木 乙木, 喜 丙火 丁火, 閒 燥土 溼土, 仇 庚金 辛金,
// 忌 壬水 癸水.
inline constexpr RoleChoices kDefaultRoles = {{{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}}};

}  // namespace qm::fortune::fixture
