#include "lunar_months.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "base/names.h"
#include "civil_time.h"
#include "ephemeris.h"

namespace almanac {
namespace {

constexpr double kSynodicMonth = 29.530589;

// The civil first days of every lunar month whose new moon lies between `from` and `to`.
std::vector<long> NewMoonDays(double from, double to) {
  std::vector<long> days;
  for (double guess = from; guess < to + kSynodicMonth; guess += kSynodicMonth) {
    double moment = NewMoonNear(guess);
    if (moment < from || moment > to) continue;
    long day = CivilDayNumber(moment, LunarCalendarZone(moment));
    if (days.empty() || day > days.back() + 20) days.push_back(day);
    guess = moment;
  }
  return days;
}

struct MonthSpan {
  long firstDay = 0, nextFirstDay = 0;
  bool holdsZhongqi = false, holdsSolstice = false;
};

std::vector<MonthSpan> MonthSpans(const std::vector<long>& newMoons,
                                  const std::vector<SolarTerm>& terms) {
  std::vector<MonthSpan> spans;
  for (std::size_t i = 0; i + 1 < newMoons.size(); ++i)
    spans.push_back({newMoons[i], newMoons[i + 1], false, false});
  for (const SolarTerm& term : terms) {
    if (IsJie(term.degrees)) continue;
    long day = CivilDayNumber(term.jdUt, LunarCalendarZone(term.jdUt));
    for (MonthSpan& span : spans) {
      if (day < span.firstDay || day >= span.nextFirstDay) continue;
      span.holdsZhongqi = true;
      span.holdsSolstice |= term.degrees == kWinterSolstice;
    }
  }
  return spans;
}

// The month numbers from one 11th month (index first) up to the next (index next).
void NumberSuiYear(const std::vector<MonthSpan>& spans, std::size_t first, std::size_t next,
                   std::vector<LunarMonth>& months) {
  std::size_t leap = next;
  if (next - first == 13)
    for (std::size_t i = first + 1; i < next && leap == next; ++i)
      if (!spans[i].holdsZhongqi) leap = i;
  if (next - first == 13 && leap == next)
    throw std::runtime_error("13 months without a month lacking 中氣");
  if (next - first != 12 && next - first != 13)
    throw std::runtime_error("wrong number of months between two winter solstices");
  int number = 11;
  months.push_back({spans[first].firstDay, 11.0});
  for (std::size_t i = first + 1; i < next; ++i) {
    if (i == leap) {
      months.push_back({spans[i].firstDay, number + 0.5});
      continue;
    }
    number = qm::Cycle(number + 1, 12);
    months.push_back({spans[i].firstDay, static_cast<double>(number)});
  }
}

}  // namespace

std::vector<LunarMonth> NumberedLunarMonths(const std::vector<SolarTerm>& terms, double from,
                                            double to) {
  std::vector<MonthSpan> spans = MonthSpans(NewMoonDays(from, to), terms);
  std::vector<std::size_t> elevenths;
  for (std::size_t i = 0; i < spans.size(); ++i)
    if (spans[i].holdsSolstice) elevenths.push_back(i);
  std::vector<LunarMonth> months;
  for (std::size_t k = 0; k + 1 < elevenths.size(); ++k)
    NumberSuiYear(spans, elevenths[k], elevenths[k + 1], months);
  return months;
}

std::size_t NewYearIndex(const std::vector<LunarMonth>& months, int year) {
  auto found = std::find_if(months.begin(), months.end(), [year](const LunarMonth& m) {
    return m.number == 1.0 && DateOfDayNumber(m.firstDay).year == year;
  });
  if (found == months.end())
    throw std::runtime_error("no New Year in " + std::to_string(year));
  return static_cast<std::size_t>(found - months.begin());
}

}  // namespace almanac
