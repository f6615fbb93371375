#pragma once
// The months of the lunar calendar: each begins on the civil day of its new moon; the month that
// holds the winter solstice is the 11th; when 13 months begin from one 11th month up to the next,
// the first of them after the 11th that holds no 中氣 is the leap month, numbered as the month
// before it plus 0.5. Civil days follow LunarCalendarZone.
#include <vector>

#include "solar_terms.h"

namespace almanac {

struct LunarMonth {
  long firstDay = 0;  // day number of its first civil day
  double number = 0;  // 1..12, a leap month n + 0.5
};

// The numbered months from the first 11th month after `from` through the last 11th month before
// `to`, in order; `terms` must cover the same span.
std::vector<LunarMonth> NumberedLunarMonths(const std::vector<SolarTerm>& terms, double from,
                                            double to);

// The index in `months` of the first day of month 1 (the New Year) of Gregorian year `year`.
std::size_t NewYearIndex(const std::vector<LunarMonth>& months, int year);

}  // namespace almanac
