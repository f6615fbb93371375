#pragma once
// The steps of the pillars of a moment, for callers that run them one by one. ComputePillars
// (calendar.h) runs them all, in this order.
#include <array>

#include "base/names.h"
#include "calendar/calendar.h"
#include "calendar/calendar_tables.h"

namespace qm {

// The five tables the steps read, each read afresh by ReadPillarTables.
struct PillarTables {
  YearMonthTable jieDays;
  std::array<JieTime, 120 * 12> jieTimes{};
  std::array<Pillar, 61> sixty{};
  std::array<int, 121> dayOffsets{};
  YearMonthTable zhongqiDays;
};
PillarTables ReadPillarTables();

// Throws qm::Failure for a moment outside RocYear 1..120, month 1..12, day 1..31, hour 0..23 or
// minute 0..59.
void CheckMoment(const Moment& moment);

// The moment lies before the 節 of its own month; the 節 minute itself counts as after.
bool IsBeforeJie(const Moment& moment, int jieDay, JieTime jieTime);

// The place in the sixty cycle of the year pillar of a RocYear (from 立春 on): 1 (1912) is 49,
// 壬子; 73 (1984) is 1, 甲子.
constexpr int YearCycleNumber(int rocYear) { return Cycle(rocYear + 48, 60); }

void ComputeYearPillar(const Moment& moment, const PillarTables& tables, Pillars& pillars);
void ComputeMonthPillar(const Moment& moment, const PillarTables& tables, Pillars& pillars);
void ComputeDayPillar(const Moment& moment, const PillarTables& tables, Pillars& pillars);
void ComputeHourPillar(const Moment& moment, Pillars& pillars);
void ComputeLifePalace(const Moment& moment, const PillarTables& tables, Pillars& pillars);

}  // namespace qm
