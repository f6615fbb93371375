// The almanac tool regenerates every calendar table of data/ byte for byte, and its tables agree
// with facts that any almanac prints.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/program_folder.h"
#include "calendar/calendar_tables.h"
#include "table_folder.h"

namespace qm {
namespace {

using test::TableFolder;

class Almanac : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new TableFolder(false);
    const std::string command = std::string("\"") + QM_ALMANAC + "\" \"" +
                                folder_->path().string() + "\"";
    status_ = std::system(command.c_str());
  }
  static void TearDownTestSuite() {
    delete folder_;
    folder_ = nullptr;
  }
  void SetUp() override {
    ASSERT_EQ(status_, 0);
    SetProgramFolder(folder_->path());
  }

  static TableFolder* folder_;
  static int status_;
};

TableFolder* Almanac::folder_ = nullptr;
int Almanac::status_ = -1;

TEST_F(Almanac, RegeneratesEveryTableOfData) {
  for (const char* table : test::kCalendarTables) {
    SCOPED_TRACE(table);
    const std::string generated = folder_->Read(table);
    ASSERT_FALSE(generated.empty());
    EXPECT_TRUE(generated == test::ReadWhole(std::filesystem::path(QM_TEST_DATA_DIR) / table));
  }
}

TEST_F(Almanac, LinesEndWithCrLf) {
  for (const char* table : test::kCalendarTables) {
    const std::string text = folder_->Read(table);
    for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1))
      ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << table << " at " << i;
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << table;
  }
}

TEST_F(Almanac, NewYearDays) {
  const auto newYears = ReadNewYearTable();
  EXPECT_EQ(newYears[1], (MonthDay{2, 18}));    // 1912
  EXPECT_EQ(newYears[73], (MonthDay{2, 2}));    // 1984
  EXPECT_EQ(newYears[89], (MonthDay{2, 5}));    // 2000
  EXPECT_EQ(newYears[113], (MonthDay{2, 10}));  // 2024
  EXPECT_EQ(newYears[120], (MonthDay{1, 23}));  // 2031
}

// The leap month of each lunar year, 0 when it has none, walking the month table by the counts;
// a year of 13 months has exactly one leap month and a year of 12 none.
std::array<double, 121> LeapMonths() {
  const auto counts = ReadLunarMonthCounts();
  const auto months = ReadLunarMonthTable();
  std::array<double, 121> leaps{};
  std::size_t record = 1;
  for (int year = kFirstRocYear; year <= kLastRocYear; ++year) {
    int found = 0;
    for (int k = 0; k < counts[year]; ++k, ++record) {
      const double month = months.at(record).month;
      if (month != std::floor(month)) {
        leaps[year] = month;
        ++found;
      }
    }
    EXPECT_TRUE(counts[year] == 12 || counts[year] == 13) << year;
    EXPECT_EQ(found, counts[year] - 12) << year;
  }
  EXPECT_EQ(record, months.size());
  return leaps;
}

TEST_F(Almanac, LeapMonths) {
  const auto leaps = LeapMonths();
  EXPECT_EQ(leaps[73], 10.5);   // 1984
  EXPECT_EQ(leaps[109], 4.5);   // 2020
  EXPECT_EQ(leaps[112], 2.5);   // 2023
  EXPECT_EQ(leaps[113], 0);     // 2024
  EXPECT_EQ(leaps[89], 0);      // 2000
}

TEST_F(Almanac, EveryLunarYearOpensOnItsNewYear) {
  const auto newYears = ReadNewYearTable();
  const auto counts = ReadLunarMonthCounts();
  const auto months = ReadLunarMonthTable();
  std::size_t record = 1;
  for (int year = kFirstRocYear; year <= kLastRocYear; record += counts[year], ++year) {
    EXPECT_EQ(months.at(record).month, 1) << year;
    EXPECT_EQ(months.at(record).firstDay, newYears[year]) << year;
  }
  EXPECT_EQ(months.front().month, 12);  // the lead-in: the last month before lunar year 1
}

TEST_F(Almanac, SpringBegins2024At1627) {
  EXPECT_EQ(ReadJieDayTable().At(113, 2), 4);
  const JieTime time = JieTimeAt(ReadJieTimeTable(), 113, 2);
  EXPECT_EQ(time.hour, 16);
  EXPECT_EQ(time.minute, 27);
}

TEST_F(Almanac, SixtyCycleAndDayOffsets) {
  const auto sixty = ReadSixtyCycleTable();
  EXPECT_EQ(sixty[1].stem, 1);
  EXPECT_EQ(sixty[1].branch, 1);
  EXPECT_EQ(sixty[11].stem, 1);   // 甲戌
  EXPECT_EQ(sixty[11].branch, 11);
  EXPECT_EQ(sixty[60].stem, 10);  // 癸亥
  EXPECT_EQ(sixty[60].branch, 12);
  const auto offsets = ReadDayCycleOffsetTable();
  EXPECT_EQ(offsets[1], 12);
  // 31 December 1999 is 丁巳, number 54: 1 January 2000 (戊午) is day 1 of RocYear 89.
  EXPECT_EQ(offsets[89], 54);
}

}  // namespace
}  // namespace qm
