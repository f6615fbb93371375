// The flowing year and month from the system date text.
#include <gtest/gtest.h>

#include "base/current_date.h"

namespace qm {
namespace {

TEST(CurrentDate, TakesTheRocYearAndTheMonthFromTheDateText) {
  const std::tuple<const char*, double, int> cases[] = {
      {"2005/5/11", 94, 5}, {"2005/12/1", 94, 12}, {"1912/1/1", 1, 1},
      {"2031/10/31", 120, 10}, {"2005/", 94, 0}, {"", -1911, 0}};
  for (const auto& [text, year, month] : cases) {
    EXPECT_EQ(CurrentRocYear(text), year) << text;
    EXPECT_EQ(CurrentMonth(text), month) << text;
  }
}

}  // namespace
}  // namespace qm
