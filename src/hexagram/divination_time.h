#pragma once
// The moment of a divination: the Gregorian date as a RocYear, the hour 0..23 and the minute,
// as the calendar takes any moment.
#include <string_view>

#include "calendar/pillars.h"

namespace qm::hexagram {

using DivinationTime = Moment;

// The time of the system clock, seconds dropped: the date text "2005/5/11" and the time text
// "下午 03:04:05" (上午 12 is hour 0, 下午 1..11 are 13..23, 下午 12 is 12) give 94/5/11 15:04.
DivinationTime DivinationTimeOfClock(std::string_view date, std::string_view time);

// A time the calendar serves: RocYear 1..120, a day of the month, hour 0..23, minute 0..59.
bool IsDivinationTime(const DivinationTime& time);

}  // namespace qm::hexagram
