// The fortune score: the ruler of every age by the luck start age, the role scores, the window
// of ages, the year and month pillars by age and the monthly and cumulative scores.
#include <gtest/gtest.h>

#include "base/failure.h"
#include "fortune/fortune_score.h"
#include "fortune_support.h"

namespace qm::fortune {
namespace {

using Kind = LuckRuler::Kind;
using fixture::kDefaultRoles;
using fixture::RecordStartingAt;

constexpr LuckRuler MonthStem{Kind::Stem, 6}, MonthBranch{Kind::Branch, 6}, None{};
// The stem and the branch of luck pillar j of RecordStartingAt.
constexpr LuckRuler PillarStem(int j) { return {Kind::Stem, j}; }
constexpr LuckRuler PillarBranch(int j) { return {Kind::Branch, j + 2}; }

struct RulerCase {
  double start;
  int age;
  LuckRuler ruler;
};

TEST(LuckRulerByAge, FollowsTheLuckStartRoundedToTheNearestYear) {
  const RulerCase cases[] = {
      // 7.41: L = 7.
      {7.41, 1, MonthStem}, {7.41, 2, MonthBranch}, {7.41, 6, MonthBranch},
      {7.41, 7, PillarStem(1)}, {7.41, 11, PillarStem(1)}, {7.41, 12, PillarBranch(1)},
      {7.41, 16, PillarBranch(1)}, {7.41, 17, PillarStem(2)}, {7.41, 100, PillarStem(10)},
      // 7.6: L = 8.
      {7.6, 2, MonthStem}, {7.6, 3, MonthBranch}, {7.6, 7, MonthBranch}, {7.6, 8, PillarStem(1)},
      // 5.7 and 6: L = 6, no age under the month stem.
      {5.7, 1, MonthBranch}, {5.7, 5, MonthBranch}, {5.7, 6, PillarStem(1)},
      {6, 1, MonthBranch}, {6, 6, PillarStem(1)}, {6, 100, PillarStem(10)},
      // 10, the special luck start.
      {10, 4, MonthStem}, {10, 5, MonthBranch}, {10, 9, MonthBranch}, {10, 10, PillarStem(1)},
      // A half year rounds up.
      {7.5, 2, MonthStem}, {7.5, 7, MonthBranch}, {7.5, 8, PillarStem(1)},
      // Under one half: L = 0, the tenth pillar ends at 99 and age 100 has no ruler.
      {0.3, 1, PillarStem(1)}, {0.3, 5, PillarBranch(1)}, {0.3, 99, PillarBranch(10)},
      {0.3, 100, None},
      // A start age past every age leaves them all to the month stem; one far below zero
      // leaves them all without a ruler.
      {5000, 1, MonthStem}, {99999999999.0, 100, MonthStem}, {-2, 97, PillarBranch(10)},
      {-2, 98, None}, {-99999999999.0, 1, None}, {-99999999999.0, 100, None},
  };
  for (const RulerCase& c : cases)
    EXPECT_EQ(LuckRulerByAge(RecordStartingAt(c.start))[c.age], c.ruler)
        << "start " << c.start << " age " << c.age;
}

TEST(LuckRuler, NamesItsCharacterAndAnAgeWithoutOneIsAFullWidthBlankScoringNothing) {
  const KindScores scores = KindScore(kDefaultRoles);
  EXPECT_EQ(RulerText({Kind::Stem, 1}), "甲");
  EXPECT_EQ(RulerText({Kind::Branch, 1}), "子");
  EXPECT_EQ(RulerText(None), "\u3000");
  EXPECT_EQ(RulerScore(scores, {Kind::Stem, 1}), 4);
  EXPECT_EQ(RulerScore(scores, {Kind::Branch, 1}), -4);  // 子 is 癸水
  EXPECT_EQ(RulerScore(scores, None), 0);
}

TEST(KindScore, TheDefaultRolesScoreEachKindAndEachBranchByItsKind) {
  const KindScores scores = KindScore(kDefaultRoles);
  EXPECT_EQ(scores, (KindScores{0, 4, 4, 2, 2, 0, 0, -2, -2, -4, -4}));
  // 子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥
  const int branchScores[] = {-4, 0, 4, 4, 0, 2, 2, 0, -2, -2, 0, -4};
  for (int branch = 1; branch <= 12; ++branch)
    EXPECT_EQ(BranchScore(scores, branch), branchScores[branch - 1]) << kBranchNames[branch];
}

TEST(KindScore, AKindChosenTwiceKeepsTheLaterRoleAndOutsideChoicesChooseNothing) {
  RoleChoices choices{};
  choices[0] = {1, 0};   // 用 甲木
  choices[4] = {1, 11};  // 忌 甲木 and no kind
  choices[1] = {3, -1};  // 喜 丙火
  choices[2] = {3, 0};   // 閒 丙火
  const KindScores scores = KindScore(choices);
  EXPECT_EQ(scores[1], -4);
  EXPECT_EQ(scores[3], 0);
  EXPECT_EQ(scores, (KindScores{0, -4, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(KindScore(RoleChoices{}), KindScores{});
}

TEST(BranchScore, ABranchOutsideTheTableIsAFailure) {
  EXPECT_THROW(BranchScore(KindScore(kDefaultRoles), 13), Failure);
}

struct WindowCase {
  int birth, now, back, ahead;
  FortuneWindow window;
};

TEST(FortuneWindowOf, CountsFromTheReferenceAgeAndKeepsWithinOneToHundred) {
  const WindowCase cases[] = {
      {58, 94, 10, 10, {26, 46}},  // 21 ages, RocYears 83 to 103
      {95, 94, 10, 10, {1, 9}},    // a birth after the current year
      {90, 94, 10, 10, {1, 14}},
      {0, 94, 10, 10, {84, 100}},  // a record of entered pillars counts from RocYear 0
      {0, 110, 10, 10, {100, 100}},
      {58, 94, 5, 5, {31, 41}},
      {58, 94, -1, -1, {37, 35}},
  };
  for (const WindowCase& c : cases)
    EXPECT_EQ(FortuneWindowOf(c.birth, c.now, c.back, c.ahead), c.window)
        << c.birth << " " << c.now << " " << c.back << " " << c.ahead;
  EXPECT_EQ(FortuneWindowOf(58, 94, 10, 10).Span(), 20);
  EXPECT_EQ(FortuneWindowOf(58, 94, 10, 10).Months(), 252);
}

TEST(AgeYearPillars, StartFromTheBirthYearWithNoStepBackBeforeSpring) {
  const auto sixty = fixture::SixtyCycle();
  const auto first = AgeYearPillars(1, sixty);  // 1912
  EXPECT_EQ(first[1].stem, 9);                  // 壬子
  EXPECT_EQ(first[1].branch, 1);
  EXPECT_EQ(first[2].stem, 10);  // 癸丑
  EXPECT_EQ(first[2].branch, 2);
  const auto later = AgeYearPillars(73, sixty);  // 1984 甲子, so 2003 (age 20) is 癸未
  EXPECT_EQ(later[1].stem, 1);
  EXPECT_EQ(later[1].branch, 1);
  EXPECT_EQ(later[20].stem, 10);
  EXPECT_EQ(later[20].branch, 8);
  EXPECT_EQ(later[100].stem, 10);  // 2083 癸卯
  EXPECT_EQ(later[100].branch, 4);
  const auto entered = AgeYearPillars(0, sixty);  // RocYear 0 is 1911, 辛亥
  EXPECT_EQ(entered[1].stem, 8);
  EXPECT_EQ(entered[1].branch, 12);
}

TEST(AgeMonthPillar, CountsTheMonthsOnFromTheTigerMonthOfTheBirthYear) {
  struct Case {
    int yearStem, age, position, stem, branch;
  };
  const Case cases[] = {
      {1, 1, 1, 3, 3},    // 甲 year: 丙寅
      {1, 1, 12, 4, 2},   // ... 丁丑
      {1, 2, 1, 5, 3},    // the next, 乙 year: 戊寅
      {1, 5, 1, 1, 3},    // 戊 year: 甲寅
      {6, 1, 1, 3, 3},    // 己 year: 丙寅
      {10, 1, 11, 1, 1},  // 癸 year: 甲寅 ... 甲子 at position 11
  };
  for (const Case& c : cases) {
    Pillar month = AgeMonthPillar(c.yearStem, c.age, c.position);
    EXPECT_EQ(month.stem, c.stem) << c.yearStem << " " << c.age << " " << c.position;
    EXPECT_EQ(month.branch, c.branch) << c.yearStem << " " << c.age << " " << c.position;
  }
}

TEST(FortuneMonths, AMonthWhoseEveryPartIsTheUsefulGodScoresTheMostAndSumsOn) {
  // Born 1914 (甲寅), luck from age 1 under 甲; 用 甲木 and 丙火: the 寅 month of age 1 is 丙寅.
  natal::LuckRecord record = RecordStartingAt(1, 3);
  RoleChoices choices{};
  choices[0] = {1, 3};
  const auto months = FortuneMonths(record, choices, {1, 2}, AgeYearPillars(3, fixture::SixtyCycle()));
  ASSERT_EQ(months.size(), 24u);
  const FortuneMonth& first = months[0];
  EXPECT_EQ(first.age, 1);
  EXPECT_EQ(first.rocYear, 3);
  EXPECT_EQ(first.position, 1);
  EXPECT_EQ(first.sum, 20);
  EXPECT_DOUBLE_EQ(first.monthly, 19.2);
  EXPECT_EQ(first.before, 0);
  EXPECT_DOUBLE_EQ(first.cumulative, 19.2);
  for (std::size_t i = 1; i < months.size(); ++i) {
    EXPECT_EQ(months[i].before, months[i - 1].cumulative) << i;
    EXPECT_DOUBLE_EQ(months[i].cumulative, months[i].before + months[i].monthly) << i;
  }
  EXPECT_EQ(months[12].age, 2);
  EXPECT_EQ(months[23].position, 12);
}

TEST(FortuneMonths, WeighsTheLuckAndYearFullyAndTheMonthByFourFifths) {
  // Age 26 of a 1969 birth (甲戌 1994), under the branch of luck pillar 2 (卯) from 7.41.
  const auto months = FortuneMonths(RecordStartingAt(7.41), kDefaultRoles, {26, 27},
                                    AgeYearPillars(58, fixture::SixtyCycle()));
  const FortuneMonth& m = months[0];
  EXPECT_EQ(m.ruler, PillarBranch(2));
  EXPECT_EQ(m.year.stem, 1);  // 甲
  EXPECT_EQ(m.year.branch, 11);  // 戌
  EXPECT_EQ(m.month.stem, 3);  // 丙寅
  EXPECT_EQ(m.month.branch, 3);
  EXPECT_EQ(m.luckScore, 4);
  EXPECT_EQ(m.yearStemScore, 4);
  EXPECT_EQ(m.yearBranchScore, 0);
  EXPECT_EQ(m.monthStemScore, 2);
  EXPECT_EQ(m.monthBranchScore, 4);
  EXPECT_EQ(m.sum, 14);
  EXPECT_DOUBLE_EQ(m.monthly, 1.2 * 4 + 4 + 0 + 0.8 * 2 + 0.8 * 4);
}

TEST(FortuneMonths, NoRoleChosenScoresNothingAnywhere) {
  const auto months = FortuneMonths(RecordStartingAt(7.41), RoleChoices{}, {26, 46},
                                    AgeYearPillars(58, fixture::SixtyCycle()));
  ASSERT_EQ(months.size(), 252u);
  for (const FortuneMonth& m : months) {
    EXPECT_EQ(m.monthly, 0);
    EXPECT_EQ(m.cumulative, 0);
  }
}

TEST(FortuneMonths, AWindowOutsideTheAgesIsAFailure) {
  const auto pillars = AgeYearPillars(58, fixture::SixtyCycle());
  EXPECT_THROW(FortuneMonths(RecordStartingAt(7.41), kDefaultRoles, {0, 5}, pillars), Failure);
  EXPECT_THROW(FortuneMonths(RecordStartingAt(7.41), kDefaultRoles, {95, 101}, pillars), Failure);
}

TEST(TenGods, OfTheYearStemAndOfTheYearBranchTakenAsItsKindsStem) {
  EXPECT_EQ(YearStemTenGod(1, 3), "偏印");    // 甲 on a 丙 day
  EXPECT_EQ(YearStemTenGod(10, 3), "正官");   // 癸 on a 丙 day
  EXPECT_EQ(YearStemTenGod(1, 2), "劫財");    // 甲 on an 乙 day
  EXPECT_EQ(YearBranchTenGod(8, 3), "食神");  // 未 as 戊 on a 丙 day
  EXPECT_EQ(YearBranchTenGod(1, 2), "偏印");  // 子 as 癸 on an 乙 day
  EXPECT_EQ(YearBranchTenGod(5, 2), "偏財");  // 辰 as 己 on an 乙 day
}

TEST(DayMasterText, IsTheDayStemWithItsElement) {
  EXPECT_EQ(DayMasterText(1), "甲木");
  EXPECT_EQ(DayMasterText(3), "丙火");
  EXPECT_EQ(DayMasterText(6), "己土");
  EXPECT_EQ(DayMasterText(10), "癸水");
}

}  // namespace
}  // namespace qm::fortune
