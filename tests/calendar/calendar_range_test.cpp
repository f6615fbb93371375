// The span of birth moments the tables draw whole: from the first 小寒 of the tables (7 January
// 1912, 00:07) up to, not including, their last 大雪 (7 December 2031, 16:02).
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

#include "base/failure.h"
#include "calendar/calendar.h"
#include "table_folder.h"

namespace qm {
namespace {

TEST(IsWithinCalendarTables, FromTheFirstJieUpToTheLast) {
  struct Case {
    std::array<int, 5> moment;
    bool within;
  };
  const Case cases[] = {
      {{1, 1, 1, 0, 30}, false},     {{1, 1, 7, 0, 6}, false},    {{1, 1, 7, 0, 7}, true},
      {{1, 2, 18, 0, 0}, true},      {{73, 5, 12, 8, 30}, true},  {{120, 12, 7, 16, 1}, true},
      {{120, 12, 7, 16, 2}, false},  {{120, 12, 31, 23, 30}, false},
      {{0, 12, 31, 23, 59}, false},  {{121, 1, 1, 0, 0}, false},
  };
  for (const Case& c : cases) {
    const auto& [y, m, d, h, i] = c.moment;
    EXPECT_EQ(IsWithinCalendarTables(y, m, d, h, i), c.within)
        << y << "/" << m << "/" << d << " " << h << ":" << i;
  }
}

TEST(OutsideCalendarTablesMessage, NamesTheFirstAndTheLastJieOfTheTables) {
  EXPECT_EQ(OutsideCalendarTablesMessage(),
            "超出曆表範圍（民國1年1月7日0時7分至民國120年12月7日16時2分）");
}

// The edges come from the tables, not from the program: tables moved by hand move the message
// and the span with them.
TEST(OutsideCalendarTablesMessage, FollowsTheTablesItReads) {
  test::TableFolder folder;
  std::string days = folder.Read("SEG.DAT");
  days.replace(days.find(" 7,"), 3, " 8,");     // the first 小寒 on the 8th
  days.replace(days.rfind(" 7\r\n"), 2, " 6");  // the last 大雪 on the 6th
  folder.Write("SEG.DAT", days);
  std::string times = folder.Read("BIG1.DAT");
  times.replace(times.find(" 0, 7,"), 6, " 1, 9,");
  times.replace(times.rfind(" 16, 2"), 6, " 5, 30");
  folder.Write("BIG1.DAT", times);
  EXPECT_EQ(OutsideCalendarTablesMessage(),
            "超出曆表範圍（民國1年1月8日1時9分至民國120年12月6日5時30分）");
  EXPECT_FALSE(IsWithinCalendarTables(1, 1, 8, 1, 8));
  EXPECT_TRUE(IsWithinCalendarTables(1, 1, 8, 1, 9));
  EXPECT_TRUE(IsWithinCalendarTables(120, 12, 6, 5, 29));
  EXPECT_FALSE(IsWithinCalendarTables(120, 12, 6, 5, 30));
}

TEST(OutsideCalendarTablesMessage, WithoutTheJieTablesFails) {
  test::TableFolder folder;
  std::filesystem::remove(folder / "SEG.DAT");
  EXPECT_THROW(OutsideCalendarTablesMessage(), Failure);
}

TEST(IsWithinCalendarTables, WithoutTheJieTablesFails) {
  test::TableFolder folder;
  std::filesystem::remove(folder / "BIG1.DAT");
  EXPECT_THROW(IsWithinCalendarTables(73, 5, 12, 8, 30), Failure);
}

}  // namespace
}  // namespace qm
