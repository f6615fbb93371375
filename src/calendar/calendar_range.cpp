// The span of birth moments that the calendar tables can draw a whole chart for.
#include <tuple>

#include "calendar/calendar.h"
#include "calendar/calendar_tables.h"

namespace qm {

bool IsWithinCalendarTables(int year, int month, int day, int hour, int minute) {
  if (year < kFirstRocYear || year > kLastRocYear) return false;
  const YearMonthTable days = ReadJieDayTable();
  const auto times = ReadJieTimeTable();
  const JieTime first = JieTimeAt(times, kFirstRocYear, 1);
  const JieTime last = JieTimeAt(times, kLastRocYear, 12);
  const auto moment = std::tie(year, month, day, hour, minute);
  return moment >= std::make_tuple(kFirstRocYear, 1, days.At(kFirstRocYear, 1), first.hour,
                                    first.minute) &&
         moment < std::make_tuple(kLastRocYear, 12, days.At(kLastRocYear, 12), last.hour,
                                  last.minute);
}

}  // namespace qm
