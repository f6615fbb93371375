#include "calendar/calendar_days.h"

#include <numeric>

namespace qm {

int DayOfYear(const std::array<int, 13>& lengths, int month, int day) {
  return std::accumulate(lengths.begin() + 1, lengths.begin() + month, 0) + day;
}

int DaysFrom(MonthDay start, MonthDay date, const std::array<int, 13>& lengths) {
  int days = DayOfYear(lengths, date.month, date.day) - DayOfYear(lengths, start.month, start.day);
  return days >= 0 ? days : days + DayOfYear(lengths, 12, 31);
}

SolarDate AddDays(SolarDate date, int days) {
  date.day += days;
  for (auto lengths = MonthLengths(date.year); date.day > lengths[date.month];) {
    date.day -= lengths[date.month];
    if (++date.month > 12) {
      date.month = 1;
      lengths = MonthLengths(++date.year);
    }
  }
  return date;
}

}  // namespace qm
