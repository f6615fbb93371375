// The ten luck pillars and their ages as values.
#include <gtest/gtest.h>

#include "base/failure.h"
#include "natal/luck_pillars.h"
#include "chart_test_support.h"

namespace qm::natal::test {
namespace {

// Ten pillars given as (stem, branch).
LuckPillars PillarsOf(std::array<std::pair<int, int>, 10> given) {
  LuckPillars pillars;
  for (std::size_t k = 0; k < given.size(); ++k) pillars[k] = {given[k].first, given[k].second};
  return pillars;
}

TEST(LuckPillarsOf, StepsTheMonthPillarEitherWay) {
  struct Case {
    const char* what;
    Pillar month;
    LuckDirection direction;
    std::array<std::pair<int, int>, 10> pillars;
  };
  const Case cases[] = {
      {"丙寅 forward: 丁卯 戊辰 己巳 庚午 辛未 壬申 癸酉 甲戌 乙亥 丙子", {3, 3}, LuckDirection::Forward,
       {{{4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}, {10, 10}, {1, 11}, {2, 12}, {3, 1}}}},
      {"丙寅 backward: 乙丑 甲子 癸亥 壬戌 辛酉 庚申 己未 戊午 丁巳 丙辰", {3, 3}, LuckDirection::Backward,
       {{{2, 2}, {1, 1}, {10, 12}, {9, 11}, {8, 10}, {7, 9}, {6, 8}, {5, 7}, {4, 6}, {3, 5}}}},
      {"癸亥 forward turns to 甲子", {10, 12}, LuckDirection::Forward,
       {{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}, {10, 10}}}},
      {"甲子 backward turns to 癸亥", {1, 1}, LuckDirection::Backward,
       {{{10, 12}, {9, 11}, {8, 10}, {7, 9}, {6, 8}, {5, 7}, {4, 6}, {3, 5}, {2, 4}, {1, 3}}}},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.what);
    std::optional<LuckPillars> pillars = LuckPillarsOf(t.month, t.direction);
    ASSERT_TRUE(pillars.has_value());
    EXPECT_EQ(*pillars, PillarsOf(t.pillars));
  }
}

TEST(LuckPillarsOf, NoDirectionNoPillars) {
  EXPECT_FALSE(LuckPillarsOf({3, 3}, LuckDirection::None).has_value());
}

TEST(LuckPillarsOf, MissingMonthPillarFails) {
  EXPECT_THROW(LuckPillarsOf({0, 0}, LuckDirection::Forward), Failure);
}

TEST(LuckPillarAge, StartAgeRoundedHalfUpThenTenYearsApart) {
  struct Case {
    double startAge;
    std::array<double, 10> ages;
  };
  const Case cases[] = {
      {2.95, {3, 13, 23, 33, 43, 53, 63, 73, 83, 93}},
      {3.5, {4, 14, 24, 34, 44, 54, 64, 74, 84, 94}},
      {3.49, {3, 13, 23, 33, 43, 53, 63, 73, 83, 93}},
      {41.0 / 12, {3, 13, 23, 33, 43, 53, 63, 73, 83, 93}},
      {0, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90}},
      {10, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}},  // the special start
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.startAge);
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(LuckPillarAge(t.startAge, k), t.ages[k - 1]) << "k " << k;
  }
}

TEST(LuckPillarAge, TypedStartAgeIsCutNotRounded) {
  EXPECT_EQ(LuckPillarAge(3.5, 1, 0), 3);
  EXPECT_EQ(LuckPillarAge(3.5, 10, 0), 93);
  EXPECT_EQ(LuckPillarAge(3.99, 2, 0), 13);
}

}  // namespace
}  // namespace qm::natal::test
