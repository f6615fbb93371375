// The luck start: the month-opening solar terms around the birth, the distances to them in
// whole minutes, the direction of the luck and the age at which it begins.
#include "natal/luck_start.h"

#include <algorithm>
#include <array>

#include "base/number_text.h"
#include "base/pillar.h"
#include "base/sex_code.h"
#include "calendar/calendar.h"
#include "calendar/calendar_tables.h"
#include "calendar/month_rules.h"
#include "natal/chart_steps.h"

namespace qm::natal {
namespace {

constexpr long kMinutesPerDay = 1440;
// Three days of distance make one year of age; a 360-day year makes 12 minutes one day of age.
constexpr long kMinutesPerYearOfAge = 3 * kMinutesPerDay;
constexpr long kMinutesPerDayOfAge = kMinutesPerYearOfAge / 360;
// A 節 within 1.6666 days (2399.904 minutes) allows the luck to start at ten.
constexpr long kSpecialLuckMinutes = 16666 * kMinutesPerDay / 10000;

struct JieMoment {
  int day = 0;
  JieTime time;
};

struct JieTables {
  YearMonthTable days = ReadJieDayTable();
  std::array<JieTime, 120 * 12> times = ReadJieTimeTable();

  JieMoment At(const JieRef& jie) const {
    return {days.At(jie.year, jie.month), JieTimeAt(times, jie.year, jie.month)};
  }
};

// Finds the 節 at or before the birth and the one after it, and the minutes to each.
void PlaceBirthBetweenJie(const Moment& in, LuckStart& luck) {
  JieTables tables;
  std::array<int, 13> lengths = MonthLengths(in.year);
  JieMoment own = tables.At({in.month, in.year});
  bool beforeOwn = IsBeforeJie(in, own.day, own.time);
  long daysBack = 0, daysAhead = 0;
  JieMoment previous, next;
  if (beforeOwn) {
    luck.previousJie = in.month == 1 ? JieRef{12, in.year - 1} : JieRef{in.month - 1, in.year};
    luck.nextJie = {in.month, in.year};
    previous = tables.At(luck.previousJie);
    next = own;
    daysBack = lengths[luck.previousJie.month] - previous.day + in.day;
    daysAhead = next.day - in.day;
  } else {
    luck.previousJie = {in.month, in.year};
    luck.nextJie = in.month == 12 ? JieRef{1, in.year + 1} : JieRef{in.month + 1, in.year};
    previous = own;
    next = tables.At(luck.nextJie);
    daysBack = in.day - previous.day;
    daysAhead = lengths[in.month] - in.day + next.day;
  }
  luck.minutesSincePreviousJie = daysBack * kMinutesPerDay + (in.hour - previous.time.hour) * 60L +
                                 (in.minute - previous.time.minute);
  luck.minutesToNextJie = daysAhead * kMinutesPerDay + (next.time.hour - in.hour) * 60L +
                          (next.time.minute - in.minute);
}

// Years, months of 30 days and days of the start age; the days are rounded, so a rest of 29.5
// days or more shows as 30.
void ComputeStartAge(LuckStart& luck) {
  long minutes = MinutesInLuckDirection(luck);
  luck.years = static_cast<int>(minutes / kMinutesPerYearOfAge);
  long rest = minutes - luck.years * kMinutesPerYearOfAge;
  luck.months = static_cast<int>(rest / (30 * kMinutesPerDayOfAge));
  long restOfMonth = rest - luck.months * 30 * kMinutesPerDayOfAge;
  luck.days = static_cast<int>((restOfMonth + kMinutesPerDayOfAge / 2) / kMinutesPerDayOfAge);
  luck.age = static_cast<double>(minutes) / kMinutesPerYearOfAge;
}

// A distance in days cut (not rounded) to one decimal: 12.39 days -> "12.3".
std::string CutDays(long minutes) { return JoinNumber(minutes * 10 / kMinutesPerDay / 10.0); }

void PrintAt(Chart& chart, const PrintPlace& at, std::string_view text) {
  chart.canvas.PrintAt(at.x, at.y, text);
}

}  // namespace

LuckDirection LuckDirectionOf(int yearStem, std::string_view sexCode) {
  bool yang = yearStem % 2 == 1;
  switch (SexOf(sexCode)) {
    case Sex::Male: return yang ? LuckDirection::Forward : LuckDirection::Backward;
    case Sex::Female: return yang ? LuckDirection::Backward : LuckDirection::Forward;
    case Sex::None: break;
  }
  return LuckDirection::None;
}

long MinutesInLuckDirection(const LuckStart& luck) {
  return luck.direction == LuckDirection::Forward ? luck.minutesToNextJie
                                                  : luck.minutesSincePreviousJie;
}

// The special start: a birth within 1.6666 days of either 節 starts at ten.
LuckStart FindLuckStart(const Moment& birth, int yearStem, std::string_view sexCode,
                        std::string_view specialFlag) {
  LuckStart luck;
  PlaceBirthBetweenJie(birth, luck);
  luck.direction = LuckDirectionOf(yearStem, sexCode);
  ComputeStartAge(luck);
  bool close = std::min(luck.minutesSincePreviousJie, luck.minutesToNextJie) <= kSpecialLuckMinutes;
  luck.special = (specialFlag == "Y" || specialFlag == "y") && close;
  if (luck.special) luck.age = 10;
  return luck;
}

std::string StartLine(const LuckStart& luck) {
  return "出生" + JoinNumber(luck.years) + "年" + JoinNumber(luck.months) + "個月又" +
         JoinNumber(luck.days) + "天上運";
}

// The change falls `months` months and X days after the 節 of the birth month, X being the start
// days plus the days since that 節; at 30 days or more it is named from the month after. The
// year stem moves on from a T of 15 (the 寅 month of the next year), or of 4 after a 子 or 丑
// birth month. A 亥 month birth three months on, in a 甲 year: "逢乙庚之年立春後5日交脫".
std::string ExchangeLine(const LuckStart& luck, int yearStem, int monthBranch) {
  int t = CheckedBranch(monthBranch) + luck.months;  // not reduced
  int shift = t > 14 || (monthBranch <= 2 && t > 3) ? 1 : 0;
  long x = luck.days + luck.minutesSincePreviousJie / kMinutesPerDay;
  int jie = x < 30 ? Cycle(t - 1, 12) : Cycle(t, 12);
  int s = NextStem(CheckedStem(yearStem), shift + luck.years);
  int s5 = NextStem(s, 5);
  return "逢" + std::string(StemText(std::min(s, s5))) + std::string(StemText(std::max(s, s5))) +
         "之年" + std::string(kJieNames[jie]) + "後" + JoinNumber(x < 30 ? x : x - 30) + "日交脫";
}

std::string JieDistanceLine(const LuckStart& luck) {
  return "生於" + std::string(kJieNames[luck.nextJie.month]) + "前" + CutDays(luck.minutesToNextJie) +
         "日" + std::string(kJieNames[luck.previousJie.month]) + "後" +
         CutDays(luck.minutesSincePreviousJie) + "日 ";
}

void ComputeLuckStart(Chart& chart) {
  const ChartInputs& in = chart.in;
  chart.luckStart = FindLuckStart(in.moment, chart.Year().stem, in.sex, in.special);
  const LuckStart& luck = chart.luckStart;
  const ChartLayout::Luck& at = chart.layout.luck;
  PrintAt(chart, at.startLine, StartLine(luck));
  if (luck.special) PrintAt(chart, at.specialLine, "借十歲起運");
  PrintAt(chart, at.exchangeLine, ExchangeLine(luck, chart.Year().stem, chart.Month().branch));
  chart.canvas.PrintAt(at.birthLine.x, at.birthLine.y, JieDistanceLine(luck),
                       at.birthLineSize.value_or(chart.canvas.font.size));
}

}  // namespace qm::natal
