// The luck start: the month-opening solar terms around the birth, the distances to them in
// whole minutes, the direction of the luck and the age at which it begins.
#include <algorithm>
#include <array>
#include <string>
#include <tuple>

#include "base/names.h"
#include "base/number_text.h"
#include "calendar/calendar.h"
#include "base/sex_code.h"
#include "calendar/calendar_tables.h"
#include "calendar/month_rules.h"
#include "natal/chart_rules.h"
#include "natal/late_steps.h"

namespace qm::natal {
namespace {

constexpr long kMinutesPerDay = 1440;
// Three days of distance make one year of age; a 360-day year makes 12 minutes one day of age.
constexpr long kMinutesPerYearOfAge = 3 * kMinutesPerDay;
constexpr long kMinutesPerDayOfAge = kMinutesPerYearOfAge / 360;
// A 節 within 1.6666 days (2399.904 minutes) allows the luck to start at ten.
constexpr long kSpecialLuckMinutes = 16666 * kMinutesPerDay / 10000;

struct JieMoment {
  int day = 0, hour = 0, minute = 0;
};

struct JieTables {
  YearMonthTable days = ReadJieDayTable();
  std::array<JieTime, 120 * 12> times = ReadJieTimeTable();

  JieMoment At(const JieRef& jie) const {
    JieTime time = JieTimeAt(times, jie.year, jie.month);
    return {days.At(jie.year, jie.month), time.hour, time.minute};
  }
};

LuckDirection DirectionOf(int yearStem, const std::string& sexCode) {
  bool yang = yearStem % 2 == 1;
  switch (SexOf(sexCode)) {
    case Sex::Male: return yang ? LuckDirection::Forward : LuckDirection::Backward;
    case Sex::Female: return yang ? LuckDirection::Backward : LuckDirection::Forward;
    case Sex::None: break;
  }
  return LuckDirection::None;
}

// Finds the 節 at or before the birth and the one after it, and the minutes to each.
void PlaceBirthBetweenJie(Chart& chart) {
  const ChartInputs& in = chart.in;
  JieTables tables;
  std::array<int, 13> lengths = MonthLengths(in.year);
  JieMoment own = tables.At({in.month, in.year});
  bool beforeOwn = std::tie(own.day, own.hour, own.minute) > std::tie(in.day, in.hour, in.minute);
  long daysBack = 0, daysAhead = 0;
  JieMoment previous, next;
  if (beforeOwn) {
    chart.previousJie = in.month == 1 ? JieRef{12, in.year - 1} : JieRef{in.month - 1, in.year};
    chart.nextJie = {in.month, in.year};
    previous = tables.At(chart.previousJie);
    next = own;
    daysBack = lengths[chart.previousJie.month] - previous.day + in.day;
    daysAhead = next.day - in.day;
  } else {
    chart.previousJie = {in.month, in.year};
    chart.nextJie = in.month == 12 ? JieRef{1, in.year + 1} : JieRef{in.month + 1, in.year};
    previous = own;
    next = tables.At(chart.nextJie);
    daysBack = in.day - previous.day;
    daysAhead = lengths[in.month] - in.day + next.day;
  }
  chart.minutesSincePreviousJie =
      daysBack * kMinutesPerDay + (in.hour - previous.hour) * 60L + (in.minute - previous.minute);
  chart.minutesToNextJie =
      daysAhead * kMinutesPerDay + (next.hour - in.hour) * 60L + (next.minute - in.minute);
}

// Years, months of 30 days and days of the start age; the days are rounded, so a rest of 29.5
// days or more shows as 30.
void ComputeStartAge(Chart& chart) {
  long minutes = chart.luckDirection == LuckDirection::Forward ? chart.minutesToNextJie
                                                                : chart.minutesSincePreviousJie;
  chart.startYears = static_cast<int>(minutes / kMinutesPerYearOfAge);
  long rest = minutes - chart.startYears * kMinutesPerYearOfAge;
  chart.startMonths = static_cast<int>(rest / (30 * kMinutesPerDayOfAge));
  long restOfMonth = rest - chart.startMonths * 30 * kMinutesPerDayOfAge;
  chart.startDays = static_cast<int>((restOfMonth + kMinutesPerDayOfAge / 2) / kMinutesPerDayOfAge);
  chart.luckStartAge = static_cast<double>(minutes) / kMinutesPerYearOfAge;
}

// The start under the special rule: a birth within 1.6666 days of either 節 starts at ten.
void ApplySpecialLuckStart(Chart& chart) {
  const LateStepsLayout& layout = chart.layout.late;
  bool close = std::min(chart.minutesSincePreviousJie, chart.minutesToNextJie) <= kSpecialLuckMinutes;
  if (!layout.specialLuckRule || chart.in.special != "Y" || !close) return;
  chart.luckStartAge = 10;
  chart.canvas.PrintAt(layout.specialLine.x, layout.specialLine.y, "借十歲起運");
}

// The years whose stems change the luck pillar, and the day after which 節 it changes. The
// change falls startMonths months and X days after the 節 of the birth month, X being the start
// days plus the days since that 節; at 30 days or more it is named from the month after. The
// year stem moves on from a T of 15 (the 寅 month of the next year), or of 4 after a 子 or 丑
// birth month. A 亥 month birth three months on, in a 甲 year: "逢乙庚之年立春後5日交脫".
std::string ExchangeLine(const Chart& chart) {
  int monthBranch = chart.in.pillars.MonthBranch;
  int t = monthBranch + chart.startMonths;  // not reduced
  int shift = t > 14 || (monthBranch <= 2 && t > 3) ? 1 : 0;
  long x = chart.startDays + chart.minutesSincePreviousJie / kMinutesPerDay;
  int jie = x < 30 ? Cycle(t - 1, 12) : Cycle(t, 12);
  int s = NextStem(chart.in.pillars.YearStem, shift + chart.startYears);
  int s5 = NextStem(s, 5);
  return "逢" + std::string(StemText(std::min(s, s5))) + std::string(StemText(std::max(s, s5))) +
         "之年" + std::string(kJieNames[jie]) + "後" + JoinNumber(x < 30 ? x : x - 30) +
         "日交脫";
}

// A distance in days cut (not rounded) to one decimal: 12.39 days -> "12.3".
std::string CutDays(long minutes) { return JoinNumber(minutes * 10 / kMinutesPerDay / 10.0); }

}  // namespace

void ComputeLuckStart(Chart& chart) {
  PlaceBirthBetweenJie(chart);
  chart.luckDirection = DirectionOf(chart.in.pillars.YearStem, chart.in.sex);
  ComputeStartAge(chart);
  const LateStepsLayout& layout = chart.layout.late;
  chart.canvas.PrintAt(layout.startLine.x, layout.startLine.y,
                       "出生" + JoinNumber(chart.startYears) + "年" + JoinNumber(chart.startMonths) +
                           "個月又" + JoinNumber(chart.startDays) + "天上運");
  ApplySpecialLuckStart(chart);
  chart.canvas.PrintAt(layout.exchangeLine.x, layout.exchangeLine.y, ExchangeLine(chart));
  chart.canvas.PrintAt(layout.birthLine.x, layout.birthLine.y,
                       "生於" + std::string(kJieNames[chart.nextJie.month]) + "前" +
                           CutDays(chart.minutesToNextJie) + "日" +
                           std::string(kJieNames[chart.previousJie.month]) + "後" +
                           CutDays(chart.minutesSincePreviousJie) + "日 ");
}

}  // namespace qm::natal
