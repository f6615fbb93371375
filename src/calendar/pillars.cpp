#include "calendar/pillars.h"

#include <string>
#include <tuple>

#include "base/failure.h"
#include "base/names.h"
#include "calendar/calendar_days.h"
#include "calendar/month_rules.h"

namespace qm {
namespace {

// 五鼠遁: the stem of the 子 hour for each day stem (甲己 甲, 乙庚 丙, 丙辛 戊, 丁壬 庚, 戊癸 壬).
constexpr std::array<int, 11> kRatHourStem = {0, 1, 3, 5, 7, 9, 1, 3, 5, 7, 9};

// The branch of each clock hour: 子 from 23:00 to 0:59, then one branch every two hours.
constexpr std::array<int, 24> kHourBranch = {1, 2, 2, 3, 3, 4, 4, 5,  5,  6,  6,  7,
                                             7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 1};

void CheckRange(int value, int low, int high, const char* what) {
  if (value < low || value > high)
    throw Failure(std::string("日期超出曆表範圍：") + what + " " + std::to_string(value));
}

Pillars PillarsOf(const Moment& moment) {
  CheckMoment(moment);
  const PillarTables tables = ReadPillarTables();
  Pillars pillars;
  ComputeYearPillar(moment, tables, pillars);
  ComputeMonthPillar(moment, tables, pillars);
  ComputeDayPillar(moment, tables, pillars);
  ComputeHourPillar(moment, pillars);
  ComputeLifePalace(moment, tables, pillars);
  return pillars;
}

}  // namespace

PillarTables ReadPillarTables() {
  PillarTables tables;
  tables.jieDays = ReadJieDayTable();
  tables.sixty = ReadSixtyCycleTable();
  tables.jieTimes = ReadJieTimeTable();
  tables.dayOffsets = ReadDayCycleOffsetTable();
  tables.zhongqiDays = ReadZhongqiDayTable();
  return tables;
}

void CheckMoment(const Moment& moment) {
  CheckRange(moment.year, kFirstRocYear, kLastRocYear, "年");
  CheckRange(moment.month, 1, 12, "月");
  CheckRange(moment.day, 1, 31, "日");
  CheckRange(moment.hour, 0, 23, "時");
  CheckRange(moment.minute, 0, 59, "分");
}

bool IsBeforeJie(const Moment& moment, int jieDay, JieTime jieTime) {
  return std::tie(moment.day, moment.hour, moment.minute) <
         std::tie(jieDay, jieTime.hour, jieTime.minute);
}

// The year pillar turns at 立春: 1912 from 立春 on is 壬子 (cycle 49), before it 辛亥.
void ComputeYearPillar(const Moment& moment, const PillarTables& tables, Pillars& pillars) {
  const Pillar pair = tables.sixty[YearCycleNumber(moment.year)];
  pillars.YearStem = pair.stem;
  pillars.YearBranch = pair.branch;
  const bool beforeSpring =
      moment.month == 1 ||
      (moment.month == 2 && IsBeforeJie(moment, tables.jieDays.At(moment.year, 2),
                                        JieTimeAt(tables.jieTimes, moment.year, 2)));
  if (beforeSpring) {
    pillars.YearStem = NextStem(pillars.YearStem, -1);
    pillars.YearBranch = NextBranch(pillars.YearBranch, -1);
  }
}

// The month turns at each 節 minute; its stem by 五虎遁: a 甲 year's 寅 month is 丙寅.
void ComputeMonthPillar(const Moment& moment, const PillarTables& tables, Pillars& pillars) {
  const bool before = IsBeforeJie(moment, tables.jieDays.At(moment.year, moment.month),
                                  JieTimeAt(tables.jieTimes, moment.year, moment.month));
  const int jieMonth = before ? Cycle(moment.month - 1, 12) : moment.month;
  pillars.MonthBranch = BranchOfJieMonth(jieMonth);
  pillars.MonthStem = MonthStemRule(pillars.YearStem, pillars.MonthBranch);
}

// The day runs on the unbroken sixty-day count: 1 January 2000 is 戊午.
void ComputeDayPillar(const Moment& moment, const PillarTables& tables, Pillars& pillars) {
  const int dayOfYear = DayOfYear(MonthLengths(moment.year), moment.month, moment.day);
  const Pillar pair = tables.sixty[Cycle(tables.dayOffsets[moment.year] + dayOfYear, 60)];
  pillars.DayStem = pair.stem;
  pillars.DayBranch = pair.branch;
}

// The hour stem by 五鼠遁, the late 子 hour (23:00) with the next day's: 戊 day 0:30 壬子, 23:30 甲子.
void ComputeHourPillar(const Moment& moment, Pillars& pillars) {
  pillars.HourBranch = kHourBranch[moment.hour];
  pillars.HourStem = NextStem(kRatHourStem[pillars.DayStem], pillars.HourBranch - 1);
  if (moment.hour == 23) pillars.HourStem = NextStem(pillars.HourStem, 2);
}

// The palace counts back from the 中氣 month one palace an hour, stems by 五虎遁:
// a 甲 year between 雨水 and 春分 at the 子 hour gives 丙寅, at the 丑 hour 丁丑.
void ComputeLifePalace(const Moment& moment, const PillarTables& tables, Pillars& pillars) {
  const int zhongqiDay = tables.zhongqiDays.At(moment.year, moment.month);
  const int zhongqiMonth = moment.day >= zhongqiDay ? moment.month : Cycle(moment.month - 1, 12);
  const int hourPosition = MonthPosition(pillars.HourBranch);
  const int palace = Cycle(14 - (hourPosition + zhongqiMonth), 12);
  pillars.LifePalaceBranch = NextBranch(palace, 2);
  pillars.LifePalaceStem = MonthStemRule(pillars.YearStem, pillars.LifePalaceBranch);
}

Pillars ComputePillars(int year, int month, int day, int hour, int minute) {
  return PillarsOf({year, month, day, hour, minute});
}

}  // namespace qm
