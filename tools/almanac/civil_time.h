#pragma once
// Civil days and clock times of astronomical moments (Julian days in UT).

namespace almanac {

struct CivilDate {
  int year = 0, month = 0, day = 0;
};

struct CivilMoment {
  CivilDate date;
  int hour = 0, minute = 0;  // the seconds cut off
};

// Hours east of Greenwich.
inline constexpr double kChinaStandardTime = 8.0;
inline constexpr double kBeijingMeanTime = 7.0 + 45.0 / 60.0 + 40.0 / 3600.0;

// The Julian day number (noon-based whole day count) of a Gregorian date, and back.
long DayNumber(const CivilDate& date);
CivilDate DateOfDayNumber(long dayNumber);

// The day number of the civil day on which a moment falls at `zoneHours` east of Greenwich.
long CivilDayNumber(double jdUt, double zoneHours);
CivilMoment CivilMomentOf(double jdUt, double zoneHours);

// The zone of the lunar calendar: Beijing local mean time before 1929-01-01, China Standard
// Time from then on.
double LunarCalendarZone(double jdUt);

// The Julian day (UT) of 0h UT on a Gregorian date.
double JulianDayUt(const CivilDate& date);

}  // namespace almanac
