// Lunar dates checked against the printed almanac (農民曆) of the years named.
#include <gtest/gtest.h>

#include "calendar/calendar.h"
#include "calendar/calendar_tables.h"

namespace qm {
namespace {

struct SolarCase {
  const char* what;
  SolarDate solar;
  std::optional<LunarDate> lunar;
};

LunarDate Lunar(int year, double month, int day) {
  return {year, month, day, month == static_cast<int>(month) ? "0" : "1"};
}

const SolarCase kSolarCases[] = {
    {"New Year of RocYear 1", {1, 2, 18}, Lunar(1, 1, 1)},
    {"the day before it has no lunar date in the tables", {1, 2, 17}, std::nullopt},
    {"1 January 1912", {1, 1, 1}, std::nullopt},
    {"New Year 2024", {113, 2, 10}, Lunar(113, 1, 1)},
    {"the day before a February New Year: 30 臘月 2023", {113, 2, 9}, Lunar(112, 12, 30)},
    {"a 29-day 臘月 before a February New Year (2026)", {115, 2, 16}, Lunar(114, 12, 29)},
    {"30 January before a 10 February New Year", {113, 1, 30}, Lunar(112, 12, 20)},
    {"New Year 1984", {73, 2, 2}, Lunar(73, 1, 1)},
    {"New Year 2000", {89, 2, 5}, Lunar(89, 1, 1)},
    {"New Year 2031, in January", {120, 1, 23}, Lunar(120, 1, 1)},
    {"first day of the leap 2nd month of 2023", {112, 3, 22}, Lunar(112, 2.5, 1)},
    {"last day of that 29-day leap month", {112, 4, 19}, Lunar(112, 2.5, 29)},
    {"the day after it: 3rd month, found on the month's 30th day", {112, 4, 20}, Lunar(112, 3, 1)},
    {"a 29-day 1st month: its 30th day is 2/1 (2023)", {112, 2, 20}, Lunar(112, 2, 1)},
    {"leap 10th month of 1984", {73, 11, 23}, Lunar(73, 10.5, 1)},
    {"leap 4th month of 2020", {109, 6, 20}, Lunar(109, 4.5, 29)},
    {"a month from 1 May: 30 May is its 30th day (1984)", {73, 5, 30}, Lunar(73, 4, 30)},
    {"and 31 May begins the next month", {73, 5, 31}, Lunar(73, 5, 1)},
    {"a 臘月 that begins in December (2016)", {105, 12, 31}, Lunar(105, 12, 3)},
    {"its 30th day in January of the next year", {106, 1, 27}, Lunar(105, 12, 30)},
    {"a RocYear past the tables", {121, 1, 1}, std::nullopt},
    {"RocYear 0", {0, 6, 1}, std::nullopt},
    {"a day past the month's length", {112, 2, 29}, std::nullopt},
};

TEST(SolarToLunar, AlmanacDates) {
  for (const SolarCase& c : kSolarCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(SolarToLunar(c.solar.year, c.solar.month, c.solar.day), c.lunar);
  }
}

TEST(SolarToLunar, LastDayOfTheTablesHasALunarDate) {
  const auto last = SolarToLunar(kLastRocYear, 12, 31);
  ASSERT_TRUE(last);
  EXPECT_EQ(last->year, kLastRocYear);
}

struct LunarCase {
  const char* what;
  int year;
  double month;
  int day;
  std::optional<SolarDate> solar;
};

const LunarCase kLunarCases[] = {
    {"New Year 2024", 113, 1, 1, SolarDate{113, 2, 10}},
    {"12th month of the leap year 2023, its 13th month, in January", 112, 12, 1,
     SolarDate{113, 1, 11}},
    {"12th month of the leap year 1984 in January 1985", 73, 12, 1, SolarDate{74, 1, 21}},
    {"a 12th month in December stays in its year (2016)", 105, 12, 1, SolarDate{105, 12, 29}},
    {"its days carry past 31 December", 105, 12, 5, SolarDate{106, 1, 2}},
    {"leap 2nd month of 2023", 112, 2.5, 1, SolarDate{112, 3, 22}},
    {"day 30 of that 29-day month is the next month's first", 112, 2.5, 30,
     SolarDate{112, 4, 20}},
    {"leap 10th month of 1984", 73, 10.5, 1, SolarDate{73, 11, 23}},
    {"leap 4th month of 2020", 109, 4.5, 1, SolarDate{109, 5, 23}},
    {"a month from 31 January of 2014 plus 29 days is 1 March", 103, 1, 30, SolarDate{103, 3, 1}},
    {"the 2nd month of a leap year after its leap 2nd month's turn", 112, 3, 1,
     SolarDate{112, 4, 20}},
    {"a leap month the year lacks", 112, 4.5, 1, std::nullopt},
    {"a year without a leap month", 113, 2.5, 1, std::nullopt},
    {"a lunar year past the tables", 121, 1, 1, std::nullopt},
};

TEST(LunarToSolar, AlmanacDates) {
  for (const LunarCase& c : kLunarCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(LunarToSolar(c.year, c.month, c.day), c.solar);
  }
}

// Every lunar date of the tables, every day of every month, comes back from its Gregorian date.
TEST(LunarCalendar, RoundTripOverEveryLunarDate) {
  const auto counts = ReadLunarMonthCounts();
  const auto months = ReadLunarMonthTable();
  std::size_t record = 1;
  int dates = 0;
  for (int year = kFirstRocYear; year <= kLastRocYear; ++year) {
    for (int k = 0; k < counts[year]; ++k, ++record) {
      const double month = months.at(record).month;
      // The next record's first day ends this month: where day 30 falls on it, the month has 29.
      const int nextYear = k + 1 < counts[year] ? year : year + 1;
      const auto nextFirst = nextYear <= kLastRocYear
                                 ? LunarToSolar(nextYear, months.at(record + 1).month, 1)
                                 : std::nullopt;
      for (int day = 1; day <= 30; ++day) {
        const auto solar = LunarToSolar(year, month, day);
        ASSERT_TRUE(solar) << year << " " << month << " " << day;
        if (solar == nextFirst || solar->year > kLastRocYear) break;  // a 29-day month
        ASSERT_EQ(SolarToLunar(solar->year, solar->month, solar->day), Lunar(year, month, day))
            << solar->year << "/" << solar->month << "/" << solar->day;
        ++dates;
      }
    }
  }
  // Every day from 1912-02-18 to 2031-12-31, each once.
  EXPECT_EQ(dates, 43782);
}

}  // namespace
}  // namespace qm
