#include "hexagram/divination_time.h"

#include "base/current_date.h"
#include "base/number_text.h"
#include "calendar/calendar.h"
#include "calendar/calendar_tables.h"

namespace qm::hexagram {

// Each field is read from its own two characters, as the clock writes them, so that no text
// the clock could hand over holds a number too long for an int.
DivinationTime DivinationTimeOfClock(std::string_view date, std::string_view time) {
  DivinationTime t;
  t.year = static_cast<int>(CurrentRocYear(date));
  t.month = CurrentMonth(date);
  const std::size_t lastSlash = date.rfind('/');
  t.day = lastSlash == std::string_view::npos
              ? 0
              : static_cast<int>(TextToNumber(date.substr(lastSlash + 1, 2)));
  // The half-day marker, a blank, then hh:mm:ss on the twelve-hour clock.
  const std::size_t blank = time.find(' ');
  const std::string_view clock = blank == std::string_view::npos ? time : time.substr(blank + 1);
  const int hour12 = static_cast<int>(TextToNumber(clock.substr(0, 2))) % 12;
  t.hour = time.starts_with("下午") ? hour12 + 12 : hour12;
  t.minute = clock.size() > 3 ? static_cast<int>(TextToNumber(clock.substr(3, 2))) : 0;
  return t;
}

bool IsDivinationTime(const DivinationTime& t) {
  return t.year >= kFirstRocYear && t.year <= kLastRocYear && t.month >= 1 && t.month <= 12 &&
         t.day >= 1 && t.day <= MonthLengths(t.year)[t.month] && t.hour >= 0 && t.hour <= 23 &&
         t.minute >= 0 && t.minute <= 59;
}

}  // namespace qm::hexagram
