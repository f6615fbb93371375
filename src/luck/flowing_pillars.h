#pragma once
// The pillars that the luck window adds to the natal four: the flowing year (歲), the flowing
// month (流月), and which luck pillar is in force (運) at the real age of the flowing month.
#include <array>
#include <optional>

#include "base/pillar.h"
#include "natal/luck_start.h"

namespace qm::luck {

// ONE120.DAT, index 1..120: the stem and branch of each RocYear's pillar. A missing or short
// file, or a pair that is none of the sixty, throws a qm::Failure of the file.
std::array<Pillar, 121> ReadYearPillarTable();

// The year whose pillar the flowing month belongs to: January lies before 立春 and takes the
// year before; 流年 94, 流月 1 -> 93.
constexpr int FlowPillarYear(int flowYear, int flowMonth) {
  return flowMonth == 1 ? flowYear - 1 : flowYear;
}

// 歲: the table's row of a RocYear 1..120; any other year by the sixty cycle the table follows,
// so that the January of RocYear 1 (year 0) is 辛亥.
Pillar FlowYearPillar(const std::array<Pillar, 121>& table, int pillarYear);

// 流月: the month of the 節 of Gregorian month m has branch m + 1 (子 for December), its stem by
// 五虎遁 from the cycle's stem of the pillar year: January of 流年 94 is 丁丑, December 戊子.
Pillar FlowMonthPillar(int pillarYear, int flowMonth);

// Ages are compared in whole units: the luck start is a distance to a 節 in whole minutes, three
// days of which make a year of age, so a month of real age is 360 of those minutes.
inline constexpr long kLuckMinutesPerMonth = 360;
inline constexpr long kLuckMinutesPerYear = 12 * kLuckMinutesPerMonth;
// The special start at ten years, in the same minutes.
inline constexpr long kTenYearLuckStart = 10 * kLuckMinutesPerYear;

// The luck start in those minutes: the distance to the 節 in the direction of the luck, or ten
// years under the special start.
long LuckStartMinutes(const natal::LuckStart& start);

// The real age (實歲) of the flowing month in months: 流年 94 May for a birth of 73 March is
// 21 years and 2 months, 254.
constexpr long RealAgeMonths(int flowYear, int flowMonth, int birthYear, int birthMonth) {
  return 12L * (flowYear - birthYear) + (flowMonth - birthMonth);
}

// Which luck pillar is in force at a real age: 0 before the luck start (the natal month pillar
// stands for it), k (1..10) from the luck start + 10(k - 1) years up to the next, and none from
// the luck start + 100 years on. An age exactly at a pillar's start is in that pillar.
std::optional<int> LuckPillarInForce(long realAgeMonths, long luckStartMinutes);

}  // namespace qm::luck
