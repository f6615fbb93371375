// The month commander ending the birth line, by the whole days since the month's 節.
#include <gtest/gtest.h>

#include "natal/chart_steps.h"
#include "chart_test_support.h"

namespace qm::natal::test {
namespace {

constexpr long kDay = 1440;

TEST(MonthCommander, EachPeriodOfEachMonth) {
  struct Case {
    int jie;
    long minutes;
    const char* text;
  };
  const Case cases[] = {
      {1, 10 * kDay - 1, "(癸水司令)"}, {1, 10 * kDay, "(庚辛金司令)"},
      {1, 13 * kDay - 1, "(庚辛金司令)"}, {1, 13 * kDay, "(己土司令)"},
      {2, 8 * kDay - 1, "(戊土司令)"}, {2, 8 * kDay, "(丙火司令)"},
      {2, 15 * kDay - 1, "(丙火司令)"}, {2, 15 * kDay, "(甲木司令)"},
      {3, 11 * kDay - 1, "(甲木司令)"}, {3, 11 * kDay, "(乙木司令)"},
      {4, 9 * kDay, "(乙木司令)"}, {4, 10 * kDay, "(壬癸水司令)"}, {4, 13 * kDay, "(戊土司令)"},
      {5, 7 * kDay, "(戊土司令)"}, {5, 8 * kDay, "(庚金司令)"}, {5, 15 * kDay, "(丙火司令)"},
      {6, 10 * kDay, "(丙火司令)"}, {6, 11 * kDay, "(己土司令)"},
      {6, 20 * kDay - 1, "(己土司令)"}, {6, 20 * kDay, "(丁火司令)"},
      {7, 9 * kDay, "(丁火司令)"}, {7, 10 * kDay, "(甲乙木司令)"}, {7, 13 * kDay, "(甲木司令)"},
      {8, 7 * kDay, "(戊土司令)"}, {8, 14 * kDay, "(壬水司令)"}, {8, 15 * kDay, "(庚金司令)"},
      {9, 10 * kDay, "(庚金司令)"}, {9, 11 * kDay, "(辛金司令)"},
      {10, 9 * kDay, "(辛金司令)"}, {10, 12 * kDay, "(丙丁火司令)"}, {10, 13 * kDay, "(戊土司令)"},
      {11, 0, "(戊土司令)"}, {11, 8 * kDay, "(甲木司令)"}, {11, 15 * kDay, "(壬水司令)"},
      {12, 10 * kDay, "(壬水司令)"}, {12, 11 * kDay, "(癸水司令)"}, {12, 30 * kDay, "(癸水司令)"},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(std::to_string(t.jie) + " " + std::to_string(t.minutes));
    ui::Canvas canvas;
    Chart chart(canvas, InputsOf({{{1, 1}, {1, 1}, {1, 1}, {1, 1}}}));
    chart.luckStart.previousJie = {t.jie, 73};
    chart.luckStart.minutesSincePreviousJie = t.minutes;
    canvas.PrintAt(1, 19, "生於…日 ");
    PrintMonthCommander(chart);
    EXPECT_EQ(TextsAt(canvas, 1, 19), std::vector<std::string>{std::string("生於…日 ") + t.text});
  }
}

}  // namespace
}  // namespace qm::natal::test
