// The luck start: distances to the 節 around the birth, the start age and the three lines.
#include <gtest/gtest.h>

#include <fstream>

#include "base/failure.h"
#include "natal/chart_steps.h"
#include "chart_test_support.h"

namespace qm::natal::test {
namespace {

// Calendar tables in which every 節 falls on the 5th of its month at 10:30.
void WriteUniformJieTables(const std::filesystem::path& folder) {
  std::ofstream days(folder / "SEG.DAT", std::ios::binary), times(folder / "BIG1.DAT", std::ios::binary);
  for (int year = 1; year <= 120; ++year) {
    for (int month = 1; month <= 12; ++month) {
      days << (month > 1 ? "," : "") << " 5";
      times << (month > 1 ? "," : "") << " 10, 30";
    }
    days << "\r\n";
    times << "\r\n";
  }
}

struct LuckCase : ::testing::Test {
  LuckCase() { WriteUniformJieTables(folder.path()); }

  // A birth in RocYear 73, a 甲 year, of the given sex; the month pillar as given.
  Chart& Birth(int month, int day, int hour, int minute, std::string sex, int monthStem,
               int monthBranch, std::string special = "N") {
    ChartInputs in = InputsOf({{{1, 1}, {monthStem, monthBranch}, {5, 5}, {1, 1}}});
    in.moment = {73, month, day, hour, minute};
    in.sex = std::move(sex);
    in.special = std::move(special);
    chart.emplace(canvas, in);
    return *chart;
  }
  std::string At(double x, double y) {
    auto texts = TextsAt(canvas, x, y);
    return texts.empty() ? "" : texts.front();
  }

  TempProgramFolder folder{"luck_start"};
  ui::Canvas canvas;
  std::optional<Chart> chart;
};

TEST_F(LuckCase, BirthAtTheJieMinuteCountsAsAfterIt) {
  // 5 May 10:30, exactly 立夏; a 甲 year girl runs backward from 0 days.
  Chart& c = Birth(5, 5, 10, 30, "F", 6, 6);
  ComputeLuckStart(c);
  EXPECT_EQ(c.luckStart.previousJie.month, 5);
  EXPECT_EQ(c.luckStart.nextJie.month, 6);
  EXPECT_EQ(c.luckStart.minutesSincePreviousJie, 0);
  EXPECT_EQ(c.luckStart.minutesToNextJie, 31 * 1440);
  EXPECT_EQ(c.luckStart.direction, LuckDirection::Backward);
  EXPECT_EQ(c.luckStart.age, 0);
  EXPECT_EQ(At(1, 18), "出生0年0個月又0天上運");
  EXPECT_EQ(At(1, 17), "逢甲己之年立夏後0日交脫");
  EXPECT_EQ(At(1, 19), "生於芒種前31日立夏後0日 ");
  EXPECT_TRUE(TextsAt(canvas, 1, 20).empty());
}

TEST_F(LuckCase, OneMinuteBeforeTheJie) {
  // 5 May 10:29, one minute before 立夏: 30 April days back less one minute is 29.9993 days,
  // 9 years, 11 months and 29.92 days, shown as 30 days.
  Chart& c = Birth(5, 5, 10, 29, "F", 5, 5);
  ComputeLuckStart(c);
  EXPECT_EQ(c.luckStart.previousJie.month, 4);
  EXPECT_EQ(c.luckStart.nextJie.month, 5);
  EXPECT_EQ(c.luckStart.minutesToNextJie, 1);
  EXPECT_EQ(c.luckStart.minutesSincePreviousJie, 30 * 1440 - 1);
  EXPECT_DOUBLE_EQ(c.luckStart.age, 43199.0 / 4320);
  EXPECT_EQ(At(1, 18), "出生9年11個月又30天上運");
  // The change falls 11 months and 59 days on, 29 days after 清明 ten years on: 甲 again.
  EXPECT_EQ(At(1, 17), "逢甲己之年清明後29日交脫");
  EXPECT_EQ(At(1, 19), "生於立夏前0日清明後29.9日 ");
}

TEST_F(LuckCase, ForwardLuckCountsTheDaysAhead) {
  // A 甲 year boy born 20 May 22:30 runs forward to 芒種, 5 June 10:30: 15.5 days, 5 years
  // and 2 months.
  Chart& c = Birth(5, 20, 22, 30, "M", 6, 6);
  ComputeLuckStart(c);
  EXPECT_EQ(c.luckStart.direction, LuckDirection::Forward);
  EXPECT_EQ(c.luckStart.minutesToNextJie, 15 * 1440 + 720);
  EXPECT_DOUBLE_EQ(c.luckStart.age, 15.5 / 3);
  EXPECT_EQ(At(1, 18), "出生5年2個月又0天上運");
  EXPECT_EQ(At(1, 19), "生於芒種前15.5日立夏後15.5日 ");
}

TEST_F(LuckCase, JanuaryBeforeTheSmallColdCountsFromDecemberBefore) {
  // 3 January 12:00: 大雪 of the year before, 29 days and 90 minutes back, 1.9375 days ahead.
  Chart& c = Birth(1, 3, 12, 0, "F", 3, 1);
  ComputeLuckStart(c);
  EXPECT_EQ(c.luckStart.previousJie.month, 12);
  EXPECT_EQ(c.luckStart.previousJie.year, 72);
  EXPECT_EQ(c.luckStart.nextJie.month, 1);
  EXPECT_EQ(c.luckStart.nextJie.year, 73);
  EXPECT_EQ(c.luckStart.minutesSincePreviousJie, 29 * 1440 + 90);
  EXPECT_EQ(c.luckStart.minutesToNextJie, 2 * 1440 - 90);
  EXPECT_EQ(At(1, 19), "生於小寒前1.9日大雪後29日 ");
}

TEST_F(LuckCase, DecemberAfterTheGreatSnowLooksToJanuaryAfter) {
  Chart& c = Birth(12, 20, 10, 30, "M", 3, 1);
  ComputeLuckStart(c);
  EXPECT_EQ(c.luckStart.previousJie.month, 12);
  EXPECT_EQ(c.luckStart.previousJie.year, 73);
  EXPECT_EQ(c.luckStart.nextJie.month, 1);
  EXPECT_EQ(c.luckStart.nextJie.year, 74);
  EXPECT_EQ(c.luckStart.minutesToNextJie, 16 * 1440);
}

TEST_F(LuckCase, SpecialStartWithinOnePointSixSixSixSixDays) {
  struct Case {
    int month, day, hour, minute;
    std::string special;
    bool atTen;
  };
  const Case cases[] = {
      {6, 3, 18, 31, "Y", true},   // 1 day 15 h 59 min before 芒種
      {6, 3, 18, 30, "Y", false},  // 1 day 16 h before it
      {5, 7, 2, 29, "Y", true},    // 1 day 15 h 59 min after 立夏
      {5, 7, 2, 30, "Y", false},   // 1 day 16 h after it
      {6, 3, 18, 31, "N", false},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.day * 10000 + t.hour * 100 + t.minute);
    canvas.Cls();
    // A 甲 year boy runs forward, so the 立夏 side is the one his own start does not use.
    Chart& c = Birth(t.month, t.day, t.hour, t.minute, "M", 6, 6, t.special);
    ComputeLuckStart(c);
    double ordinary = c.luckStart.minutesToNextJie / 4320.0;
    EXPECT_DOUBLE_EQ(c.luckStart.age, t.atTen ? 10 : ordinary);
    EXPECT_EQ(At(1, 20), t.atTen ? "借十歲起運" : "");
    EXPECT_EQ(c.luckStart.years, static_cast<int>(c.luckStart.minutesToNextJie / 4320));
  }
}

TEST_F(LuckCase, StartLineKeepsTheOrdinaryStartUnderTheSpecialRule) {
  // 3 June 22:30 with "Y": 1.5 days ahead, and a 甲 year girl counts back 29.5 days to 立夏.
  Chart& c = Birth(6, 3, 22, 30, "F", 6, 6, "Y");
  ComputeLuckStart(c);
  EXPECT_EQ(c.luckStart.age, 10);
  EXPECT_EQ(At(1, 18), "出生9年10個月又0天上運");
  EXPECT_EQ(At(1, 20), "借十歲起運");
}

TEST_F(LuckCase, ExchangeLineYearsAroundTheSpringOpening) {
  struct Case {
    int month, day, hour, minute, monthStem, monthBranch;
    const char* line;
  };
  const Case cases[] = {
      // 子 month, 20 hours after 大雪: 0 years 3 months 10 days, T = 4: the year moves on (乙).
      {12, 6, 6, 30, 3, 1, "逢乙庚之年驚蟄後10日交脫"},
      // 子 month, 12 hours after 大雪: 2 months, T = 3: the year stays (甲), 立春 is named.
      {12, 5, 22, 30, 3, 1, "逢甲己之年立春後0日交脫"},
      // 子 month, 1079 minutes after: 2 months and 30 days, T = 3, named from the month after.
      {12, 6, 4, 29, 3, 1, "逢甲己之年驚蟄後0日交脫"},
      // 丑 month, 6 hours after 小寒: 1 month, T = 3: the year stays.
      {1, 5, 16, 30, 4, 2, "逢甲己之年立春後0日交脫"},
      // 丑 month, 3 hours after: half a month, 15 days after 小寒, the 甲 year.
      {1, 5, 13, 30, 4, 2, "逢甲己之年小寒後15日交脫"},
      // 亥 month, 18 hours after 立冬: 3 months, T = 15: the year moves on (乙).
      {11, 6, 4, 30, 2, 12, "逢乙庚之年立春後0日交脫"},
      // 亥 month, 12 hours after: 2 months, T = 14: the year stays.
      {11, 5, 22, 30, 2, 12, "逢甲己之年小寒後0日交脫"},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.line);
    canvas.Cls();
    Chart& c = Birth(t.month, t.day, t.hour, t.minute, "F", t.monthStem, t.monthBranch);
    ComputeLuckStart(c);
    EXPECT_EQ(At(1, 17), t.line);
  }
}

TEST_F(LuckCase, JieOutsideTheTablesFails) {
  ChartInputs in = InputsOf({{{1, 1}, {3, 3}, {5, 5}, {1, 1}}});
  in.moment = {1, 1, 3, 0, 0};  // before 小寒 of RocYear 1: the 大雪 before has no row
  Chart first(canvas, in);
  EXPECT_THROW(ComputeLuckStart(first), Failure);
  in.moment = {120, 12, 10, 0, 0};  // after 大雪 of RocYear 120: the 小寒 after has no row
  Chart last(canvas, in);
  EXPECT_THROW(ComputeLuckStart(last), Failure);
}

TEST_F(LuckCase, MissingOrShortTablesFail) {
  Chart& c = Birth(5, 20, 12, 0, "M", 6, 6);
  std::filesystem::remove(folder.path() / "BIG1.DAT");
  EXPECT_THROW(ComputeLuckStart(c), Failure);
  std::ofstream(folder.path() / "BIG1.DAT") << " 10, 30\r\n";
  EXPECT_THROW(ComputeLuckStart(c), Failure);
  std::filesystem::remove(folder.path() / "SEG.DAT");
  EXPECT_THROW(ComputeLuckStart(c), Failure);
  EXPECT_TRUE(canvas.Items().empty());
}

}  // namespace
}  // namespace qm::natal::test
