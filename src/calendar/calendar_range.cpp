// The span of birth moments that the calendar tables can draw a whole chart for.
#include <string>
#include <tuple>

#include "calendar/calendar.h"
#include "calendar/calendar_tables.h"

namespace qm {
namespace {

auto Ordered(const Moment& m) { return std::tie(m.year, m.month, m.day, m.hour, m.minute); }

// "民國120年12月7日16時2分"
std::string MomentText(const Moment& m) {
  return "民國" + std::to_string(m.year) + "年" + std::to_string(m.month) + "月" +
         std::to_string(m.day) + "日" + std::to_string(m.hour) + "時" + std::to_string(m.minute) +
         "分";
}

Moment JieMoment(const YearMonthTable& days, const std::array<JieTime, 120 * 12>& times,
                 int year, int month) {
  const JieTime time = JieTimeAt(times, year, month);
  return {year, month, days.At(year, month), time.hour, time.minute};
}

}  // namespace

CalendarTableEdges ReadCalendarTableEdges() {
  const YearMonthTable days = ReadJieDayTable();
  const auto times = ReadJieTimeTable();
  return {JieMoment(days, times, kFirstRocYear, 1), JieMoment(days, times, kLastRocYear, 12)};
}

bool IsWithinCalendarTables(int year, int month, int day, int hour, int minute) {
  if (year < kFirstRocYear || year > kLastRocYear) return false;
  const CalendarTableEdges edges = ReadCalendarTableEdges();
  const Moment moment{year, month, day, hour, minute};
  return Ordered(moment) >= Ordered(edges.first) && Ordered(moment) < Ordered(edges.last);
}

std::string OutsideCalendarTablesMessage() {
  const CalendarTableEdges edges = ReadCalendarTableEdges();
  return "超出曆表範圍（" + MomentText(edges.first) + "至" + MomentText(edges.last) + "）";
}

}  // namespace qm
