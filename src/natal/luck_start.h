#pragma once
// The luck start: the month-opening solar terms (節) around the birth, the distances to them,
// the direction of the luck, the age at which it begins, and the texts that tell them.
#include <string>
#include <string_view>

#include "calendar/pillars.h"

namespace qm::natal {

enum class LuckDirection { Forward, Backward, None };

// Forward for a yang year stem and a male code or a yin year stem and a female code, backward
// the other way round; "m" and "f" count as "M" and "F"; None for any other code.
LuckDirection LuckDirectionOf(int yearStem, std::string_view sexCode);

// A month-opening solar term: its month index 1..12 and its RocYear.
struct JieRef {
  int month = 0;
  int year = 0;
};

struct LuckStart {
  JieRef previousJie, nextJie;  // the 節 at or before the birth, and the one after it
  // The distances in whole minutes; turned into days only where a decimal is printed or written.
  long minutesSincePreviousJie = 0;
  long minutesToNextJie = 0;
  LuckDirection direction = LuckDirection::None;
  double age = 0;  // days / 3 in the direction of the luck, or 10 under the special start
  int years = 0, months = 0, days = 0;  // the ordinary start age in years, 30-day months, days
  bool special = false;  // the special start applied: age 10
};

// The distance in whole minutes that the start age counts: to the next 節 for a forward luck,
// since the previous one for any other.
long MinutesInLuckDirection(const LuckStart& luck);

// The luck start of a birth, reading SEG.DAT and BIG1.DAT. The special start (age 10) applies
// when the flag is "Y" or "y" and either 節 lies within 1.6666 days; a window without the special
// rule passes "N". A 節 outside the tables, or a missing or short table, throws qm::Failure.
LuckStart FindLuckStart(const Moment& birth, int yearStem, std::string_view sexCode,
                        std::string_view specialFlag);

// "出生5年2個月又0天上運": the ordinary start age.
std::string StartLine(const LuckStart& luck);
// "逢乙庚之年立春後5日交脫": the years and the day on which the luck pillars change over.
std::string ExchangeLine(const LuckStart& luck, int yearStem, int monthBranch);
// "生於芒種前15.5日立夏後15.5日 ": the two 節 and the distances cut to one decimal.
std::string JieDistanceLine(const LuckStart& luck);
// "(丙火司令)": the stem element ruling the birth month at the whole days since its 節.
std::string_view MonthCommander(const LuckStart& luck);

}  // namespace qm::natal
