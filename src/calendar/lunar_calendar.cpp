#include <cmath>
#include <numeric>

#include "base/failure.h"
#include "calendar/calendar.h"
#include "calendar/calendar_days.h"
#include "calendar/calendar_tables.h"

namespace qm {
namespace {

// A month is taken to run thirty days; the months searched from a year's start.
constexpr int kMonthWindow = 30;
constexpr std::size_t kMonthsSearched = 14;

// The months of the lunar years before `lunarYear`.
std::size_t MonthsBefore(const std::array<int, 121>& counts, int lunarYear) {
  return static_cast<std::size_t>(std::accumulate(counts.begin() + 1, counts.begin() + lunarYear, 0));
}

// The date is one of the thirty days from the month's first day on, counted in the date's year.
bool InMonthWindow(MonthDay first, MonthDay date, const std::array<int, 13>& lengths) {
  return DaysFrom(first, date, lengths) < kMonthWindow;
}

std::string LeapMonthFlag(double month) { return month != std::floor(month) ? "1" : "0"; }

}  // namespace

std::optional<LunarDate> SolarToLunar(int year, int month, int day) {
  if (year < kFirstRocYear || year > kLastRocYear || month < 1 || month > 12) return std::nullopt;
  const auto lengths = MonthLengths(year);
  if (day < 1 || day > lengths[month]) return std::nullopt;
  const MonthDay date{month, day};
  const bool beforeNewYear = date < ReadNewYearTable()[year];
  const int lunarYear = beforeNewYear ? year - 1 : year;
  if (lunarYear < kFirstRocYear) return std::nullopt;
  const std::size_t before = MonthsBefore(ReadLunarMonthCounts(), lunarYear);
  const auto months = ReadLunarMonthTable();
  // Record 1 is the lead-in: the year's first month is element before + 1, its eleventh record
  // (which begins before any January or February date of the year) element before + 11.
  const std::size_t first = before + (beforeNewYear ? 11 : 1);
  for (std::size_t i = first; i < first + kMonthsSearched; ++i) {
    if (i + 1 >= months.size()) throw Failure::Reading("MOONDAY.DAT", "檔案內容不足");
    if (!InMonthWindow(months[i].firstDay, date, lengths)) continue;
    // The thirtieth day of a 29-day month is the first day of the next month.
    if (months[i + 1].firstDay == date)
      return LunarDate{lunarYear, months[i + 1].month, 1, LeapMonthFlag(months[i + 1].month)};
    int lunarDay = DaysFrom(months[i].firstDay, date, lengths) + 1;
    return LunarDate{lunarYear, months[i].month, lunarDay, LeapMonthFlag(months[i].month)};
  }
  return std::nullopt;
}

std::optional<SolarDate> LunarToSolar(int lunarYear, double lunarMonth, int lunarDay) {
  if (lunarYear < kFirstRocYear || lunarYear > kLastRocYear) return std::nullopt;
  if (lunarDay < 1 || lunarDay > kMonthWindow) return std::nullopt;
  const auto counts = ReadLunarMonthCounts();
  const std::size_t first = MonthsBefore(counts, lunarYear) + 1;
  const auto months = ReadLunarMonthTable();
  if (first + counts[lunarYear] > months.size())
    throw Failure::Reading("MOONDAY.DAT", "檔案內容不足");
  for (std::size_t i = first; i < first + counts[lunarYear]; ++i) {
    if (months[i].month != lunarMonth) continue;
    const MonthDay start = months[i].firstDay;
    // A 12th or leap month that begins in January or February lies in the next Gregorian year.
    const int year = lunarYear + (std::fabs(months[i].month - start.month) > 10 ? 1 : 0);
    return AddDays(SolarDate{year, start.month, start.day}, lunarDay - 1);
  }
  return std::nullopt;
}

}  // namespace qm
