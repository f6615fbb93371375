// Pillars checked against almanac facts: 1 January 2000 is a 戊午 day, 1984 a 甲子 year, 立春 2024
// at 16:27 on 4 February, 大寒 2024 on 20 January.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/failure.h"
#include "base/names.h"
#include "calendar/calendar.h"
#include "calendar/calendar_tables.h"
#include "calendar/pillars.h"

namespace qm {
namespace {

std::string PairText(int stem, int branch) {
  return std::string(kStemNames.at(stem)) + std::string(kBranchNames.at(branch));
}

// Year, month, day and hour pillar.
std::string FourPillars(const Pillars& p) {
  return PairText(p.YearStem, p.YearBranch) + " " + PairText(p.MonthStem, p.MonthBranch) + " " +
         PairText(p.DayStem, p.DayBranch) + " " + PairText(p.HourStem, p.HourBranch);
}

// The day's sixty-cycle pair counted in whole days from 1 January 2000, a 戊午 day (number 55).
std::string AlmanacDayPillar(int rocYear, int month, int day) {
  auto dayNumber = [](int y, int m, int d) {
    int a = (14 - m) / 12, yy = y + 4800 - a, mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400;
  };
  int n = Cycle(dayNumber(rocYear + 1911, month, day) - dayNumber(2000, 1, 1) + 55, 60);
  return PairText(Cycle(n, 10), Cycle(n, 12));
}

struct MomentCase {
  const char* what;
  Moment moment;
  const char* pillars;
};

const MomentCase kMoments[] = {
    {"0:30 of 1 January 2000: before 小寒, 子 month of 己卯", {89, 1, 1, 0, 30}, "己卯 丙子 戊午 壬子"},
    {"23:30 of the same date: late 子 hour, same day", {89, 1, 1, 23, 30}, "己卯 丙子 戊午 甲子"},
    {"1 January 2024 before 小寒", {113, 1, 1, 12, 0}, "癸卯 甲子 甲子 庚午"},
    {"立春 2024 one minute early", {113, 2, 4, 16, 26}, "癸卯 乙丑 戊戌 庚申"},
    {"立春 2024 at its minute", {113, 2, 4, 16, 27}, "甲辰 丙寅 戊戌 庚申"},
    {"RocYear 1 before 立春: 辛亥, after 小寒", {1, 1, 15, 0, 0}, "辛亥 辛丑 庚寅 丙子"},
    {"RocYear 1 after 立春: 壬子, before 驚蟄", {1, 3, 1, 0, 0}, "壬子 壬寅 丙子 戊子"},
    {"1 October 1949, a 甲子 day", {38, 10, 1, 12, 0}, "己丑 癸酉 甲子 庚午"},
    {"12 May 1984, after 立夏", {73, 5, 12, 12, 0}, "甲子 己巳 丙午 甲午"},
    {"1 March 2024 at 3:00, a 寅 hour", {113, 3, 1, 3, 0}, "甲辰 丙寅 甲子 丙寅"},
};

TEST(ComputePillars, AlmanacMoments) {
  for (const MomentCase& c : kMoments) {
    SCOPED_TRACE(c.what);
    const Moment& m = c.moment;
    EXPECT_EQ(FourPillars(ComputePillars(m.year, m.month, m.day, m.hour, m.minute)), c.pillars);
  }
}

// The day pillar of every date of the tables against the unbroken count from 1 January 2000.
TEST(ComputeDayPillar, EveryDateOfTheTables) {
  const PillarTables tables = ReadPillarTables();
  for (int year = kFirstRocYear; year <= kLastRocYear; ++year) {
    const auto lengths = MonthLengths(year);
    for (int month = 1; month <= 12; ++month)
      for (int day = 1; day <= lengths[month]; ++day) {
        Pillars p;
        ComputeDayPillar({year, month, day, 12, 0}, tables, p);
        ASSERT_EQ(PairText(p.DayStem, p.DayBranch), AlmanacDayPillar(year, month, day))
            << year << "/" << month << "/" << day;
      }
  }
}

TEST(ComputeDayPillar, DayOfYearAroundTheLeapDay) {
  struct Case {
    Moment moment;
    const char* day;
  };
  const Case cases[] = {
      {{89, 2, 29, 12, 0}, "丁巳"},  // day of year 60 of 2000: 55 + 59
      {{89, 3, 1, 12, 0}, "戊午"},   // day 61
      {{90, 3, 1, 12, 0}, "癸亥"},   // day 60 of 2001, 365 days after 1 March 2000
      {{89, 4, 31, 12, 0}, "己未"},  // 31 April counts as 1 May, day 122
      {{89, 5, 1, 12, 0}, "己未"},
  };
  for (const Case& c : cases) {
    const Moment& m = c.moment;
    const Pillars p = ComputePillars(m.year, m.month, m.day, m.hour, m.minute);
    EXPECT_EQ(PairText(p.DayStem, p.DayBranch), c.day) << m.year << "/" << m.month << "/" << m.day;
  }
}

// The year pillar from 立春 on, counted from 1984, a 甲子 year.
TEST(ComputeYearPillar, EveryYearAfterSpring) {
  for (int year = kFirstRocYear; year <= kLastRocYear; ++year) {
    const Pillars p = ComputePillars(year, 3, 1, 12, 0);
    const int n = Cycle(year + 1911 - 1984 + 1, 60);
    EXPECT_EQ(PairText(p.YearStem, p.YearBranch), PairText(Cycle(n, 10), Cycle(n, 12))) << year;
  }
}

// At every 節 minute of the tables the month turns; one minute before it has not.
TEST(ComputeMonthPillar, TurnsAtTheJieMinute) {
  const auto days = ReadJieDayTable();
  const auto times = ReadJieTimeTable();
  for (int year = kFirstRocYear; year <= kLastRocYear; ++year)
    for (int month = 1; month <= 12; ++month) {
      const int day = days.At(year, month);
      const JieTime at = JieTimeAt(times, year, month);
      int hour = at.hour, minute = at.minute - 1, earlyDay = day;
      if (minute < 0) {
        minute = 59;
        if (--hour < 0) hour = 23, --earlyDay;
      }
      const Pillars on = ComputePillars(year, month, day, at.hour, at.minute);
      const Pillars before = ComputePillars(year, month, earlyDay, hour, minute);
      ASSERT_EQ(on.MonthBranch, NextBranch(month, 1)) << year << "/" << month;
      ASSERT_EQ(before.MonthBranch, month) << year << "/" << month;
      // The month stem steps on with the branch, across the turn of the year pillar too.
      ASSERT_EQ(on.MonthStem, NextStem(before.MonthStem, 1)) << year << "/" << month;
    }
}

TEST(ComputeHourPillar, LateAndEarlyRatHour) {
  const Pillars early = ComputePillars(89, 1, 1, 0, 0);
  const Pillars late = ComputePillars(89, 1, 1, 23, 59);
  EXPECT_EQ(early.HourBranch, 1);
  EXPECT_EQ(late.HourBranch, 1);
  EXPECT_EQ(late.HourStem, NextStem(early.HourStem, 2));
  EXPECT_EQ(PairText(late.DayStem, late.DayBranch), "戊午");
}

TEST(ComputeHourPillar, BranchOfEveryHour) {
  const char* branches = "子丑丑寅寅卯卯辰辰巳巳午午未未申申酉酉戌戌亥亥子";
  for (int hour = 0; hour < 24; ++hour) {
    const Pillars p = ComputePillars(89, 1, 1, hour, 0);
    EXPECT_EQ(kBranchNames[p.HourBranch], std::string(branches + 3 * hour, 3)) << hour;
  }
}

std::string Palace(const Moment& m) {
  const Pillars p = ComputePillars(m.year, m.month, m.day, m.hour, m.minute);
  return PairText(p.LifePalaceStem, p.LifePalaceBranch);
}

TEST(ComputeLifePalace, WorkedExample) {
  // 1 March 2024: a 甲 year, between 雨水 and 春分 (中氣 month 2).
  EXPECT_EQ(Palace({113, 3, 1, 0, 0}), "丙寅");  // 子 hour: s = 13
  EXPECT_EQ(Palace({113, 3, 1, 1, 0}), "丁丑");  // 丑 hour: s = 14 gives palace 12
  EXPECT_EQ(Palace({113, 3, 1, 3, 0}), "丙子");  // 寅 hour: s = 3
}

TEST(ComputeLifePalace, JanuaryAroundTheGreatCold) {
  // 大寒 2024 on 20 January, a 癸卯 pillar year (寅 stem 甲). 子 hour, h = 11.
  EXPECT_EQ(Palace({113, 1, 19, 0, 0}), "丙辰");  // 中氣 month 12: s = 23, palace 3
  EXPECT_EQ(Palace({113, 1, 20, 0, 0}), "乙卯");  // 中氣 month 1: s = 12, palace 2
}

TEST(ComputeLifePalace, TwelveHoursGiveTwelvePalaces) {
  std::set<int> branches;
  for (int hour = 1; hour < 24; hour += 2) {
    const Pillars p = ComputePillars(113, 3, 1, hour, 0);
    branches.insert(p.LifePalaceBranch);
    EXPECT_GE(p.LifePalaceStem, 1);
    EXPECT_LE(p.LifePalaceStem, 10);
  }
  EXPECT_EQ(branches.size(), 12u);
}

TEST(ComputePillars, RefusesMomentsOutsideTheTables) {
  const Moment refused[] = {
      {0, 6, 1, 12, 0},  {121, 6, 1, 12, 0}, {100, 0, 1, 12, 0}, {100, 13, 1, 12, 0},
      {100, 6, 0, 12, 0}, {100, 6, 32, 12, 0}, {100, 6, 1, -1, 0}, {100, 6, 1, 24, 0},
      {100, 6, 1, 12, -1}, {100, 6, 1, 12, 60},
  };
  for (const Moment& m : refused)
    EXPECT_THROW(ComputePillars(m.year, m.month, m.day, m.hour, m.minute), Failure)
        << m.year << "/" << m.month << "/" << m.day << " " << m.hour << ":" << m.minute;
  EXPECT_NO_THROW(ComputePillars(120, 12, 31, 23, 59));
  EXPECT_NO_THROW(ComputePillars(1, 1, 1, 0, 0));
}

}  // namespace
}  // namespace qm
