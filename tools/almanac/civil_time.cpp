#include "civil_time.h"

#include <cmath>

namespace almanac {
namespace {

long FloorDiv(long a, long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

long DayNumber(const CivilDate& date) {
  // Counting the year from March puts the leap day at its end.
  long a = (14 - date.month) / 12;
  long y = date.year + 4800 - a;
  long m = date.month + 12 * a - 3;
  return date.day + (153 * m + 2) / 5 + 365 * y + FloorDiv(y, 4) - FloorDiv(y, 100) +
         FloorDiv(y, 400) - 32045;
}

CivilDate DateOfDayNumber(long dayNumber) {
  long a = dayNumber + 32044;
  long b = (4 * a + 3) / 146097;
  long c = a - 146097 * b / 4;
  long d = (4 * c + 3) / 1461;
  long e = c - 1461 * d / 4;
  long m = (5 * e + 2) / 153;
  CivilDate date;
  date.day = static_cast<int>(e - (153 * m + 2) / 5 + 1);
  date.month = static_cast<int>(m + 3 - 12 * (m / 10));
  date.year = static_cast<int>(100 * b + d - 4800 + m / 10);
  return date;
}

long CivilDayNumber(double jdUt, double zoneHours) {
  return static_cast<long>(std::floor(jdUt + 0.5 + zoneHours / 24.0));
}

CivilMoment CivilMomentOf(double jdUt, double zoneHours) {
  double local = jdUt + 0.5 + zoneHours / 24.0;
  double day = std::floor(local);
  long minutes = static_cast<long>(std::floor((local - day) * 1440.0));
  CivilMoment moment;
  moment.date = DateOfDayNumber(static_cast<long>(day));
  moment.hour = static_cast<int>(minutes / 60);
  moment.minute = static_cast<int>(minutes % 60);
  return moment;
}

double JulianDayUt(const CivilDate& date) { return static_cast<double>(DayNumber(date)) - 0.5; }

double LunarCalendarZone(double jdUt) {
  static const double kStandardTimeStart =
      JulianDayUt({1929, 1, 1}) - kChinaStandardTime / 24.0;
  return jdUt < kStandardTimeStart ? kBeijingMeanTime : kChinaStandardTime;
}

}  // namespace almanac
