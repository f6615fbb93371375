// ONE120.DAT against the calendar's own year pillar, and the flowing pillars of the luck window.
#include <gtest/gtest.h>

#include "base/failure.h"
#include "base/names.h"
#include "calendar/calendar.h"
#include "luck/flowing_pillars.h"
#include "support/temp_folder.h"

namespace qm::luck {
namespace {

std::string Characters(Pillar pair) {
  return std::string(kStemNames[static_cast<std::size_t>(pair.stem)]) +
         std::string(kBranchNames[static_cast<std::size_t>(pair.branch)]);
}

// Every row is the year pillar of a moment after 立春 of that year (1 March at noon).
TEST(YearPillarTable, EveryRowIsTheYearPillarOfItsYear) {
  test::TempFolder folder("one120");
  folder.CopyAllData();
  const std::array<Pillar, 121> table = ReadYearPillarTable();
  for (int year = 1; year <= 120; ++year) {
    const Pillars p = ComputePillars(year, 3, 1, 12, 0);
    EXPECT_EQ(table[year].stem, p.YearStem) << year;
    EXPECT_EQ(table[year].branch, p.YearBranch) << year;
  }
  EXPECT_EQ(Characters(table[1]), "壬子");
  EXPECT_EQ(Characters(table[73]), "甲子");
  EXPECT_EQ(Characters(table[120]), "辛亥");
}

TEST(YearPillarTable, MissingShortOrWrongFileThrows) {
  test::TempFolder folder("one120_bad");
  EXPECT_THROW(ReadYearPillarTable(), Failure);
  folder.Write("ONE120.DAT", "9,1\r\n10,2\r\n");
  EXPECT_THROW(ReadYearPillarTable(), Failure);
  std::string rows;
  for (int year = 1; year <= 120; ++year) rows += year == 60 ? "11,1\r\n" : "1,1\r\n";
  folder.Write("ONE120.DAT", rows);
  EXPECT_THROW(ReadYearPillarTable(), Failure);
}

struct FlowCase {
  int flowYear, flowMonth;
  const char* year;   // 歲
  const char* month;  // 流月
};

TEST(FlowingPillars, WorkedValues) {
  test::TempFolder folder("flowing");
  folder.CopyData("ONE120.DAT");
  const std::array<Pillar, 121> table = ReadYearPillarTable();
  const FlowCase cases[] = {
      {94, 1, "甲申", "丁丑"},   // January takes the year before and a 丑 month
      {94, 2, "乙酉", "戊寅"},   // February keeps the year: 乙 year, 寅 month 戊
      {94, 12, "乙酉", "戊子"},  // December: 子, its stem two on
      {73, 5, "甲子", "己巳"},
      {1, 1, "辛亥", "辛丑"},    // year 0 by the cycle: a 辛 year, whose 丑 month is 辛丑
      {120, 12, "辛亥", "庚子"},
  };
  for (const FlowCase& c : cases) {
    const int pillarYear = FlowPillarYear(c.flowYear, c.flowMonth);
    EXPECT_EQ(Characters(FlowYearPillar(table, pillarYear)), c.year) << c.flowYear << "/" << c.flowMonth;
    EXPECT_EQ(Characters(FlowMonthPillar(pillarYear, c.flowMonth)), c.month)
        << c.flowYear << "/" << c.flowMonth;
  }
}

TEST(LuckPillarInForce, ExactlyAtEachStartAndNonePastTheTenth) {
  // A luck start of 7 years 4 months 12 days: 7 * 4320 + 4 * 360 + 12 * 12 minutes.
  const long start = 7 * kLuckMinutesPerYear + 4 * kLuckMinutesPerMonth + 12 * 12;
  const long startMonth = 7 * 12 + 4;  // the first whole month at or past the start is month 89
  struct Case {
    long ageMonths;
    std::optional<int> inForce;
  };
  const Case cases[] = {
      {-3, 0},                       // a flowing month before the birth month
      {0, 0},
      {startMonth, 0},               // 7 years 4 months: twelve days short
      {startMonth + 1, 1},
      {startMonth + 1 + 120 - 1, 1},
      {startMonth + 1 + 120, 2},
      {startMonth + 1 + 9 * 120, 10},
      {startMonth + 10 * 120, 10},   // twelve days short of the hundred years
      {startMonth + 1 + 10 * 120, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(LuckPillarInForce(c.ageMonths, start), c.inForce) << c.ageMonths;

  // A start on a whole month: the age equal to the start is in the pillar that begins there.
  const long wholeStart = 3 * kLuckMinutesPerYear + 6 * kLuckMinutesPerMonth;
  EXPECT_EQ(LuckPillarInForce(3 * 12 + 6 - 1, wholeStart), 0);
  EXPECT_EQ(LuckPillarInForce(3 * 12 + 6, wholeStart), 1);
  EXPECT_EQ(LuckPillarInForce(3 * 12 + 6 + 20 * 12, wholeStart), 3);
  EXPECT_EQ(LuckPillarInForce(3 * 12 + 6 + 20 * 12 - 1, wholeStart), 2);
  EXPECT_EQ(LuckPillarInForce(3 * 12 + 6 + 100 * 12, wholeStart), std::nullopt);

  // The special start at ten.
  EXPECT_EQ(LuckPillarInForce(119, kTenYearLuckStart), 0);
  EXPECT_EQ(LuckPillarInForce(120, kTenYearLuckStart), 1);
  EXPECT_EQ(LuckPillarInForce(1319, kTenYearLuckStart), 10);
  EXPECT_EQ(LuckPillarInForce(1320, kTenYearLuckStart), std::nullopt);
}

TEST(RealAge, WholeMonthsOfTheFlowingDate) {
  EXPECT_EQ(RealAgeMonths(94, 5, 73, 3), 21 * 12 + 2);
  EXPECT_EQ(RealAgeMonths(73, 1, 73, 8), -7);
}

}  // namespace
}  // namespace qm::luck
