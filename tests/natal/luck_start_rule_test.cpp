// The luck start as a value: the 節 around a birth, the distances to them, the direction, the
// start age with its years, months and days, the special start at ten, and the texts made from
// them. Every figure below is counted by hand from the 節 times of the table written here.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <utility>

#include "base/failure.h"
#include "natal/luck_start.h"
#include "chart_test_support.h"

namespace qm::natal::test {
namespace {

constexpr long kDay = 1440;

struct JieAt {
  int day, hour, minute;
};

// 節 tables where every 節 falls on the 6th at 12:00 but for these, as the almanac has them
// around 1984 (RocYear 73, a leap year) and one moved for a short 立秋 month.
const std::map<std::pair<int, int>, JieAt> kJieTimes = {
    {{72, 12}, {8, 0, 34}},   // 大雪 1983
    {{73, 1}, {6, 11, 41}},   // 小寒 1984
    {{73, 2}, {4, 23, 19}},   // 立春
    {{73, 3}, {5, 17, 25}},   // 驚蟄
    {{73, 8}, {4, 12, 0}},    // 立秋, 29 days after 小暑
    {{73, 12}, {7, 6, 28}},   // 大雪 1984
    {{74, 1}, {5, 17, 35}},   // 小寒 1985
};

void WriteJieTables(const TempProgramFolder& folder) {
  std::ofstream days(folder / "SEG.DAT", std::ios::binary), times(folder / "BIG1.DAT", std::ios::binary);
  for (int year = 1; year <= 120; ++year) {
    for (int month = 1; month <= 12; ++month) {
      auto found = kJieTimes.find({year, month});
      JieAt jie = found == kJieTimes.end() ? JieAt{6, 12, 0} : found->second;
      days << (month > 1 ? "," : "") << " " << jie.day;
      times << (month > 1 ? "," : "") << " " << jie.hour << ", " << jie.minute;
    }
    days << "\r\n";
    times << "\r\n";
  }
}

struct LuckStartRule : ::testing::Test {
  LuckStartRule() { WriteJieTables(folder); }
  TempProgramFolder folder{"luck_start_rule"};
};

TEST(LuckDirectionOf, YangYearMenAndYinYearWomenRunForwardInEitherCase) {
  struct Case {
    int yearStem;
    const char* sex;
    LuckDirection direction;
  };
  const Case cases[] = {
      {1, "M", LuckDirection::Forward},  {1, "m", LuckDirection::Forward},
      {9, "M", LuckDirection::Forward},  {2, "F", LuckDirection::Forward},
      {10, "f", LuckDirection::Forward}, {2, "M", LuckDirection::Backward},
      {4, "m", LuckDirection::Backward}, {1, "F", LuckDirection::Backward},
      {7, "f", LuckDirection::Backward}, {1, "X", LuckDirection::None},
      {2, "", LuckDirection::None},      {1, "Male", LuckDirection::None},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(std::to_string(t.yearStem) + t.sex);
    EXPECT_EQ(LuckDirectionOf(t.yearStem, t.sex), t.direction);
  }
}

// One birth counted by hand: the two 節, the two distances, the direction and the start.
struct StartCase {
  const char* what;
  Moment birth;
  int yearStem;
  const char* sex;
  JieRef previous, next;
  long minutesSince, minutesTo;
  LuckDirection direction;
  long startMinutes;  // the distance the start counts: age = startMinutes / 4320
  const char* startLine;
};

TEST_F(LuckStartRule, BirthsCountedByHand) {
  const StartCase cases[] = {
      {"at the very minute of 驚蟄: after it, 32 days less 5 h 25 min to 清明",
       {73, 3, 5, 17, 25}, 1, "F", {3, 73}, {4, 73}, 0, 32 * kDay - 325,
       LuckDirection::Backward, 0, "出生0年0個月又0天上運"},
      {"one minute before 驚蟄: back to 立春 over a February of 29 days",
       {73, 3, 5, 17, 24}, 1, "F", {2, 73}, {3, 73}, 30 * kDay - 355, 1,
       // 29.7535 days: 9 years, 2.7535 days is 330.42 days of age, 11 months and 0.42 day.
       LuckDirection::Backward, 30 * kDay - 355, "出生9年11個月又0天上運"},
      {"the same a boy: forward by one minute",
       {73, 3, 5, 17, 24}, 1, "M", {2, 73}, {3, 73}, 30 * kDay - 355, 1,
       LuckDirection::Forward, 1, "出生0年0個月又0天上運"},
      {"forward 17 days and 6 minutes: 5 years 8 months and half a day, rounded up",
       {73, 5, 20, 11, 54}, 1, "M", {5, 73}, {6, 73}, 14 * kDay - 6, 17 * kDay + 6,
       LuckDirection::Forward, 17 * kDay + 6, "出生5年8個月又1天上運"},
      {"forward 17 days and 5 minutes: 5/12 day of age, rounded down",
       {73, 5, 20, 11, 55}, 1, "M", {5, 73}, {6, 73}, 14 * kDay - 5, 17 * kDay + 5,
       LuckDirection::Forward, 17 * kDay + 5, "出生5年8個月又0天上運"},
      {"forward 11 h 54 min: 59.5 days of age, one month and 30 days",
       {73, 6, 6, 0, 6}, 1, "M", {5, 73}, {6, 73}, 31 * kDay - 714, 714,
       LuckDirection::Forward, 714, "出生0年1個月又30天上運"},
      {"January before 小寒, a lower-case girl of a 甲 year: back to 大雪 of the year before, "
       "over December's 31 days",
       {73, 1, 3, 12, 0}, 1, "f", {12, 72}, {1, 73}, 26 * kDay + 686, 3 * kDay - 19,
       // 26.4764 days: 8 years, 297.17 days of age: 9 months and 27.17 days.
       LuckDirection::Backward, 26 * kDay + 686, "出生8年9個月又27天上運"},
      {"December after 大雪, a lower-case boy of an 乙 year: 小寒 of the next year ahead",
       {73, 12, 20, 10, 30}, 2, "m", {12, 73}, {1, 74}, 13 * kDay + 242, 16 * kDay + 425,
       // 13.1681 days: 4 years, 140.17 days of age: 4 months and 20.17 days.
       LuckDirection::Backward, 13 * kDay + 242, "出生4年4個月又20天上運"},
      {"a code that is neither sex counts the days back",
       {73, 5, 20, 11, 54}, 1, "X", {5, 73}, {6, 73}, 14 * kDay - 6, 17 * kDay + 6,
       LuckDirection::None, 14 * kDay - 6, "出生4年7個月又30天上運"},
  };
  for (const StartCase& t : cases) {
    SCOPED_TRACE(t.what);
    LuckStart luck = FindLuckStart(t.birth, t.yearStem, t.sex, "N");
    EXPECT_EQ(luck.previousJie.month, t.previous.month);
    EXPECT_EQ(luck.previousJie.year, t.previous.year);
    EXPECT_EQ(luck.nextJie.month, t.next.month);
    EXPECT_EQ(luck.nextJie.year, t.next.year);
    EXPECT_EQ(luck.minutesSincePreviousJie, t.minutesSince);
    EXPECT_EQ(luck.minutesToNextJie, t.minutesTo);
    EXPECT_EQ(luck.direction, t.direction);
    EXPECT_DOUBLE_EQ(luck.age, t.startMinutes / 4320.0);
    EXPECT_FALSE(luck.special);
    EXPECT_EQ(StartLine(luck), t.startLine);
  }
}

TEST_F(LuckStartRule, SpecialStartWithinOnePointSixSixSixSixDaysOfEitherJie) {
  struct Case {
    const char* what;
    Moment birth;
    const char* sex;
    const char* flag;
    bool atTen;
  };
  const Case cases[] = {
      {"1 d 15 h 59 min before 芒種", {73, 6, 4, 20, 1}, "M", "Y", true},
      {"1 d 16 h before 芒種", {73, 6, 4, 20, 0}, "M", "Y", false},
      {"1 d 15 h 59 min after 立夏, the side a forward start does not count", {73, 5, 8, 3, 59}, "M", "Y", true},
      {"1 d 16 h after 立夏", {73, 5, 8, 4, 0}, "M", "Y", false},
      {"lower-case flag", {73, 5, 8, 3, 59}, "F", "y", true},
      {"at the 節 itself", {73, 3, 5, 17, 25}, "F", "Y", true},
      {"flag N", {73, 6, 4, 20, 1}, "M", "N", false},
      {"flag n", {73, 6, 4, 20, 1}, "M", "n", false},
      {"flag of another text", {73, 6, 4, 20, 1}, "M", "Yes", false},
      {"no flag", {73, 6, 4, 20, 1}, "M", "", false},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.what);
    LuckStart ordinary = FindLuckStart(t.birth, 1, t.sex, "N");
    LuckStart luck = FindLuckStart(t.birth, 1, t.sex, t.flag);
    EXPECT_EQ(luck.special, t.atTen);
    EXPECT_DOUBLE_EQ(luck.age, t.atTen ? 10 : ordinary.age);
    // The start line keeps the ordinary start either way.
    EXPECT_EQ(StartLine(luck), StartLine(ordinary));
  }
}

TEST_F(LuckStartRule, SpecialStartKeepsTheOrdinaryYearsMonthsAndDays) {
  // 3 August 00:00, a 甲 year girl: 1.5 days before 立秋 (4 August 12:00), 27.5 days after 小暑
  // (6 July 12:00); she counts back 27.5 days, 9 years and 2 months, yet starts at ten.
  LuckStart luck = FindLuckStart({73, 8, 3, 0, 0}, 1, "F", "Y");
  EXPECT_EQ(luck.minutesToNextJie, kDay + 720);
  EXPECT_EQ(luck.minutesSincePreviousJie, 27 * kDay + 720);
  EXPECT_TRUE(luck.special);
  EXPECT_EQ(luck.age, 10);
  EXPECT_EQ(luck.years, 9);
  EXPECT_EQ(luck.months, 2);
  EXPECT_EQ(luck.days, 0);
  EXPECT_EQ(StartLine(luck), "出生9年2個月又0天上運");
}

TEST_F(LuckStartRule, JieOutsideTheTablesFails) {
  EXPECT_THROW(FindLuckStart({1, 1, 3, 12, 0}, 1, "M", "N"), Failure);     // before 小寒 of year 1
  EXPECT_THROW(FindLuckStart({120, 12, 10, 12, 0}, 1, "M", "N"), Failure);  // after 大雪 of year 120
  EXPECT_NO_THROW(FindLuckStart({1, 1, 6, 12, 0}, 1, "M", "N"));          // at 小寒 of year 1
}

// A luck start with the given distances from 立夏 to 芒種.
LuckStart Distances(long minutesSince, long minutesTo) {
  LuckStart luck;
  luck.previousJie = {5, 73};
  luck.nextJie = {6, 73};
  luck.minutesSincePreviousJie = minutesSince;
  luck.minutesToNextJie = minutesTo;
  return luck;
}

TEST(JieDistanceLine, DistancesAreCutToOneDecimal) {
  struct Case {
    long since, to;
    const char* line;
  };
  const Case cases[] = {
      {12 * kDay, 17842, "生於芒種前12.3日立夏後12日 "},      // 12.3903 days cut to 12.3
      {18719, 0, "生於芒種前0日立夏後12.9日 "},               // 12.9993 days cut to 12.9
      {1, 30 * kDay + 143, "生於芒種前30日立夏後0日 "},        // 30.0993 days: 30.0 shows 30
      {2159, 2161, "生於芒種前1.5日立夏後1.4日 "},
  };
  for (const Case& t : cases) EXPECT_EQ(JieDistanceLine(Distances(t.since, t.to)), t.line);
  LuckStart winter = Distances(5 * kDay, 25 * kDay);
  winter.previousJie = {12, 72};
  winter.nextJie = {1, 73};
  EXPECT_EQ(JieDistanceLine(winter), "生於小寒前25日大雪後5日 ");
}

TEST(ExchangeLine, YearsAndDayOfTheChangeCountedByHand) {
  struct Case {
    const char* what;
    int yearStem, monthBranch, years, months, days;
    long minutesSince;
    const char* line;
  };
  const Case cases[] = {
      // T = 6 + 11 = 17 moves the year on: S = 9 + 1 + 7 = 17 -> 庚, S5 乙; X = 25 + 10 = 35,
      // 5 days after the 節 of month T = 5.
      {"巳 month, 壬 year", 9, 6, 7, 11, 25, 10 * kDay + 360, "逢乙庚之年立夏後5日交脫"},
      // T = 2 + 2 = 4 moves a 丑-month year on: S = 4 + 1 + 3 = 8 辛, S5 丙; X = 15, month 3.
      {"丑 month, 丁 year", 4, 2, 3, 2, 10, 5 * kDay, "逢丙辛之年驚蟄後15日交脫"},
      // T = 1, no shift: S = 10 癸, S5 戊; X = 0, the month before T, 0 read as 12.
      {"子 month, 癸 year, at the 節", 10, 1, 0, 0, 0, 0, "逢戊癸之年大雪後0日交脫"},
      // T = 14 does not move a 戌-month year: S = 5 + 6 = 11 -> 甲; X = 29: month T - 1 = 1.
      {"戌 month, X 29", 5, 11, 6, 3, 29, kDay - 1, "逢甲己之年小寒後29日交脫"},
      // The same a minute later: X = 30 names month T = 2 itself, 0 days on.
      {"戌 month, X 30", 5, 11, 6, 3, 29, kDay, "逢甲己之年立春後0日交脫"},
      // T = 3 after a 子 month does not move the year: S = 1 甲.
      {"子 month, T 3", 1, 1, 0, 2, 0, 720, "逢甲己之年立春後0日交脫"},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.what);
    LuckStart luck = Distances(t.minutesSince, 0);
    luck.years = t.years;
    luck.months = t.months;
    luck.days = t.days;
    EXPECT_EQ(ExchangeLine(luck, t.yearStem, t.monthBranch), t.line);
  }
}

TEST_F(LuckStartRule, LinesOfABirthCountedByHand) {
  // 20 December 10:30 of RocYear 73, an 乙 year boy, 子 month: back 13 d 4 h 2 min to 大雪,
  // 4 years 4 months 20 days. T = 1 + 4 = 5 moves the year on: S = 2 + 1 + 4 = 7 庚, S5 乙;
  // X = 20 + 13 = 33, 3 days after the 節 of month T, 立夏. Ahead 16 d 7 h 5 min to 小寒; 13 days after 大雪 is 癸水.
  LuckStart luck = FindLuckStart({73, 12, 20, 10, 30}, 2, "m", "N");
  EXPECT_EQ(ExchangeLine(luck, 2, 1), "逢乙庚之年立夏後3日交脫");
  EXPECT_EQ(JieDistanceLine(luck), "生於小寒前16.2日大雪後13.1日 ");
  EXPECT_EQ(MonthCommander(luck), "(癸水司令)");
}

TEST(MonthCommander, WholeDaysSinceTheJieChooseThePeriod) {
  struct Case {
    int jie;
    long minutes;
    const char* text;
  };
  const Case cases[] = {
      {2, 0, "(戊土司令)"},                {2, 8 * kDay - 1, "(戊土司令)"},
      {2, 8 * kDay, "(丙火司令)"},         {2, 15 * kDay - 1, "(丙火司令)"},
      {2, 15 * kDay, "(甲木司令)"},        {3, 11 * kDay - 1, "(甲木司令)"},
      {3, 11 * kDay, "(乙木司令)"},        {6, 19 * kDay + 720, "(己土司令)"},
      {6, 20 * kDay, "(丁火司令)"},        {10, 12 * kDay + 1439, "(丙丁火司令)"},
      {12, 31 * kDay, "(癸水司令)"},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(std::to_string(t.jie) + " " + std::to_string(t.minutes));
    LuckStart luck;
    luck.previousJie = {t.jie, 73};
    luck.minutesSincePreviousJie = t.minutes;
    EXPECT_EQ(MonthCommander(luck), t.text);
  }
}

}  // namespace
}  // namespace qm::natal::test
