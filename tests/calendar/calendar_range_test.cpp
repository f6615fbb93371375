// The span of birth moments the tables draw whole: from the first 小寒 of the tables (7 January
// 1912, 00:07) up to, not including, their last 大雪 (7 December 2031, 16:02).
#include <gtest/gtest.h>

#include <array>

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

TEST(IsWithinCalendarTables, WithoutTheJieTablesFails) {
  test::TableFolder folder;
  std::filesystem::remove(folder / "BIG1.DAT");
  EXPECT_THROW(IsWithinCalendarTables(73, 5, 12, 8, 30), Failure);
}

}  // namespace
}  // namespace qm
