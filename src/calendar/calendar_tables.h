#pragma once
// One reader per calendar table. Each reads its file from the program folder afresh and returns
// the whole table; a missing file, a short file or a value that is not one the table holds (a
// day of the month 1..31, an hour 0..23, a pair of the sixty cycle ...) throws a qm::Failure
// of that file. Year-major tables are indexed by RocYear 1..120 and month 1..12.
#include <array>
#include <vector>

#include "base/pillar.h"
#include "base/roc_year.h"

namespace qm {

// A table of one whole number per RocYear and Gregorian month.
class YearMonthTable {
 public:
  // Throws qm::Failure for a year outside 1..120 or a month outside 1..12.
  int At(int year, int month) const;
  std::array<int, 120 * 12> values{};
};

struct JieTime {
  int hour = 0, minute = 0;
};

YearMonthTable ReadJieDayTable();            // SEG.DAT: the day of each month's 節
std::array<JieTime, 120 * 12> ReadJieTimeTable();  // BIG1.DAT: hour and minute of that 節
YearMonthTable ReadZhongqiDayTable();        // MID_DAY.DAT: the day of each month's 中氣
// SIXTY.DAT, index 1..60: the stem and branch of each pair of the sixty cycle.
std::array<Pillar, 61> ReadSixtyCycleTable();
std::array<int, 121> ReadDayCycleOffsetTable();  // END_DAY.DAT, index 1..120: E of each year

// The 節 time of a year and month from the table of ReadJieTimeTable.
JieTime JieTimeAt(const std::array<JieTime, 120 * 12>& table, int year, int month);

// A Gregorian month and day without a year, as the lunar tables hold them.
struct MonthDay {
  int month = 0, day = 0;
  auto operator<=>(const MonthDay&) const = default;  // earlier in the year is less
};

std::array<MonthDay, 121> ReadNewYearTable();  // NEWYEAR.DAT, index 1..120: the New Year's day
std::array<int, 121> ReadLunarMonthCounts();    // MYEAR.DAT, index 1..120: 12 or 13 months

// One month of MOONDAY.DAT: its number (a leap month n + 0.5) and its first day.
struct LunarMonthRecord {
  double month = 0;
  MonthDay firstDay;
};
// Every record of MOONDAY.DAT in order, the lead-in record first (element 0 is record 1); a
// record cut short at the end of the file is a short file.
std::vector<LunarMonthRecord> ReadLunarMonthTable();

}  // namespace qm
