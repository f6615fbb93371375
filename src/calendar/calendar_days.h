#pragma once
// Day arithmetic on Gregorian dates with the month lengths of MonthLengths.
#include <array>

#include "calendar/calendar.h"
#include "calendar/calendar_tables.h"

namespace qm {

// The sum of the lengths of the months before `month`, plus `day`: 1 March 2000 is day 61.
int DayOfYear(const std::array<int, 13>& lengths, int month, int day);

// The days from `start` forward to `date` within one such year, wrapping past December.
int DaysFrom(MonthDay start, MonthDay date, const std::array<int, 13>& lengths);

// A date plus `days`, each month with the length it has in its own year, on into later years.
SolarDate AddDays(SolarDate date, int days);

}  // namespace qm
