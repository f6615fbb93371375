// The number and text conversions of records, chart texts and patterns.
#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "base/number_text.h"

namespace qm {
namespace {

struct TextCase {
  const char* text;
  double number;
};

TEST(TextToNumber, TakesTheLeadingNumberAndZeroWhenThereIsNone) {
  const TextCase cases[] = {
      {" 73", 73},  {" 4.5", 4.5}, {"5/", 5},         {"12", 12},  {"abc", 0},
      {"", 0},      {".", 0},      {"73 (1984)", 73}, {"-.5", -0.5}, {"-3x", -3},
      {" .25,", 0.25}, {"1/5", 1},  {"甲", 0},
  };
  for (const TextCase& c : cases) EXPECT_EQ(TextToNumber(c.text), c.number) << c.text;
}

TEST(WholeNumberWithin, OnlyAWholeNumberOfTheRangeAndNothingBeyondIt) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
  struct Case {
    double value;
    int low, high;
    std::optional<int> whole;
  };
  const Case cases[] = {
      {5, 1, 12, 5},      {1, 1, 12, 1},          {12, 1, 12, 12},        {0, 1, 12, {}},
      {13, 1, 12, {}},    {5.5, 1, 12, {}},       {-0.0, 0, 59, 0},       {9999999999, 0, 23, {}},
      {-9999999999, 0, 23, {}},                   {1e300, 0, 23, {}},     {kInf, 0, 23, {}},
      {-kInf, kMin, kMax, {}},                    {std::numeric_limits<double>::quiet_NaN(), kMin, kMax, {}},
      {2147483647, kMin, kMax, kMax},             {-2147483648.0, kMin, kMax, kMin},
      {2147483648.0, kMin, kMax, {}},             {-2147483649.0, kMin, kMax, {}},
      {9999999999, kMin, kMax, {}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WholeNumberWithin(c.value, c.low, c.high), c.whole) << c.value << " " << c.low;
}

struct NumberCase {
  double number;
  const char* text;
};

TEST(RecordNumber, PutsOneBlankInPlaceOfTheSignAndNoZeroBeforeThePoint) {
  const NumberCase cases[] = {
      {73, " 73"},  {5, " 5"},      {4.5, " 4.5"},  {0.5, " .5"},      {-3, "-3"},
      {-0.5, "-.5"}, {0, " 0"},     {120, " 120"},  {0.1 + 0.2, " .3"}, {-12.25, "-12.25"},
      {123456789012345, " 123456789012345"},
  };
  for (const NumberCase& c : cases) EXPECT_EQ(RecordNumber(c.number), c.text) << c.number;
}

TEST(JoinNumber, WritesTheShortestFormWithAZeroBeforeThePoint) {
  const NumberCase cases[] = {
      {0.5, "0.5"}, {3, "3"}, {12.3, "12.3"}, {-0.5, "-0.5"}, {-3, "-3"}, {0, "0"},
  };
  for (const NumberCase& c : cases) EXPECT_EQ(JoinNumber(c.number), c.text) << c.number;
}

TEST(ItemNumber, HasABlankForTheSignAndOneAfter) {
  const NumberCase cases[] = {{6, " 6 "}, {-2, "-2 "}, {0.5, " .5 "}, {12, " 12 "}};
  for (const NumberCase& c : cases) EXPECT_EQ(ItemNumber(c.number), c.text) << c.number;
}

TEST(LastDigits, KeepsTheLastCharactersOfThePlainText) {
  struct Case {
    int number;
    std::size_t n;
    const char* text;
  };
  const Case cases[] = {{2005, 2, "05"}, {5, 2, "5"}, {73, 3, "73"}, {120, 2, "20"}, {-5, 2, "-5"}};
  for (const Case& c : cases) EXPECT_EQ(LastDigits(c.number, c.n), c.text) << c.number;
}

struct PatternCase {
  double number;
  const char* pattern;
  const char* text;
};

TEST(FormatNumber, RoundsHalfAwayFromZeroAndNeverWritesMinusZero) {
  const PatternCase cases[] = {
      {2.5, "0", "3"},          {-2.5, "0", "-3"},        {0.4, "0", "0"},
      {-0.4, "0", "0"},         {0, "0", "0"},            {0.25, "0.0", "0.3"},
      {-0.25, "0.0", "-0.3"},   {-0.04, "0.0", "0.0"},    {1.05, "0.0", "1.1"},
      {3, "0.0", "3.0"},        {2.675, "0.00", "2.68"},  {-0.005, "0.00", "-0.01"},
      {0.001, "0.00", "0.00"},  {-0.001, "0.00", "0.00"}, {0.5, "#0", "1"},
      {-0.2, "#0", "0"},        {12.5, "#0", "13"},       {-7.5, "#0", "-8"},
      {0.05, "#0.0", "0.1"},    {-0.05, "#0.0", "-0.1"},  {-0.04, "#0.0", "0.0"},
      {12.34, "#0.0", "12.3"},  {99.95, "#0.0", "100.0"}, {3.5, "#0.00", "3.50"},
      {0.25, "#0.00", "0.25"},  {-0.5, "#0.00", "-0.50"}, {1.005, "#0.00", "1.01"},
      {-0.004, "#0.00", "0.00"}, {4.25, "   #0.0", "   4.3"}, {37.5, "   #0.0", "   37.5"},
      {-0.04, "   #0.0", "   0.0"}, {0, "   #0.0", "   0.0"}, {100, "   #0.0", "   100.0"},
  };
  for (const PatternCase& c : cases)
    EXPECT_EQ(FormatNumber(c.number, c.pattern), c.text) << c.number << " " << c.pattern;
}

TEST(FormatText, FillsCharacterPlacesFromTheRight) {
  EXPECT_EQ(FormatText("甲", "@@"), " 甲");
  EXPECT_EQ(FormatText("3", "@@"), " 3");
  EXPECT_EQ(FormatText("-7", "@@"), "-7");
  EXPECT_EQ(FormatText("123", "@@"), "123");
  EXPECT_EQ(FormatText("甲", "@"), "甲");
  EXPECT_EQ(FormatText("", "@@"), "  ");
}

}  // namespace
}  // namespace qm
