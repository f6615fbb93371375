#pragma once
// The calendar of the program: month lengths, the lunar conversions and the pillars of a moment,
// all driven by the calendar tables in the program folder, read afresh at every call. Every
// failure (a missing or short table, a value that is not a number, an input outside the
// tables) is a qm::Failure.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/pillar.h"
#include "base/roc_year.h"

namespace qm {

// A lunar date: the year as the RocYear of its New Year, the month as the month table holds it
// (a leap month as the month it follows plus 0.5), the day 1..30, and "1" or "0" for a leap month.
struct LunarDate {
  int year = 0;
  double month = 0;
  int day = 0;
  std::string leapFlag = "0";
  bool operator==(const LunarDate&) const = default;
};

struct SolarDate {
  int year = 0;  // RocYear
  int month = 0;
  int day = 0;
  bool operator==(const SolarDate&) const = default;
};

// The lunar date of a Gregorian date; no date before the New Year of RocYear 1 or past what the
// tables hold.
std::optional<LunarDate> SolarToLunar(int year, int month, int day);

// The Gregorian date of a lunar date; no date when the lunar year has no month of that number.
std::optional<SolarDate> LunarToSolar(int lunarYear, double lunarMonth, int lunarDay);

// A moment of the calendar: RocYear, Gregorian month and day, hour 0..23 and minute.
struct Moment {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;
  bool operator==(const Moment&) const = default;
};

// The first and the last 節 of the calendar tables (小寒 of RocYear 1, 大雪 of RocYear 120), as
// SEG.DAT and BIG1.DAT give them; a missing or short table throws qm::Failure.
struct CalendarTableEdges {
  Moment first, last;
};
CalendarTableEdges ReadCalendarTableEdges();

// A birth moment whose whole chart the tables can draw: on or after their first 節 and before
// their last, since the luck start counts to the 節 on either side of the moment. Reads the
// tables as ReadCalendarTableEdges does.
bool IsWithinCalendarTables(int year, int month, int day, int hour, int minute);
// What a window says when it refuses a moment outside the tables, naming their edges:
// "超出曆表範圍（民國1年1月7日0時7分至民國120年12月7日16時2分）". Reads the tables as
// ReadCalendarTableEdges does.
std::string OutsideCalendarTablesMessage();

// The ten results of the pillars of a moment, handed to every window that reads them.
struct Pillars {
  int YearStem = 0, YearBranch = 0;
  int MonthStem = 0, MonthBranch = 0;
  int DayStem = 0, DayBranch = 0;
  int HourStem = 0, HourBranch = 0;
  int LifePalaceStem = 0, LifePalaceBranch = 0;
  Pillar Year() const { return {YearStem, YearBranch}; }
  Pillar Month() const { return {MonthStem, MonthBranch}; }
  Pillar Day() const { return {DayStem, DayBranch}; }
  Pillar Hour() const { return {HourStem, HourBranch}; }
  Pillar LifePalace() const { return {LifePalaceStem, LifePalaceBranch}; }
  bool operator==(const Pillars&) const = default;
};

// The pillars and the life palace of a moment (RocYear 1..120, month 1..12, day 1..31, hour
// 0..23, minute 0..59; anything else is refused with qm::Failure). A day past the month's
// length counts on into the next month.
Pillars ComputePillars(int year, int month, int day, int hour, int minute);

}  // namespace qm
