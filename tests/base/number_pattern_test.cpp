// The number patterns with whole-digit places ("#00", "##0.0", "####00.0") and the "@" fields
// with blanks of their own, as the fortune listing and the year labels use them.
#include <gtest/gtest.h>

#include "base/number_text.h"

namespace qm {
namespace {

struct PatternCase {
  double number;
  const char* pattern;
  const char* text;
};

TEST(FormatNumber, WritesAtLeastTheWholeDigitsThePatternHasZerosFor) {
  const PatternCase cases[] = {
      {5, "#00", "05"},           {46, "#00", "46"},          {100, "#00", "100"},
      {0, "#00", "00"},           {4.5, "#00", "05"},         {-3, "#00", "-03"},
      {1, "#0", "1"},             {12, "#0", "12"},           {4, "#0.0", "4.0"},
      {-2, "#0.0", "-2.0"},       {0, "#0.0", "0.0"},         {0.4 * 3, "##0.0", "1.2"},
      {-19.2, "##0.0", "-19.2"},  {11.6, "##0.0", "11.6"},    {0.05, "##0.0", "0.1"},
      {0, "####00.0", "00.0"},    {-3.6, "####00.0", "-03.6"}, {11.6, "####00.0", "11.6"},
      {-23040, "####00.0", "-23040.0"}, {0.4 + 0.8, "####00.0", "01.2"},
      {-0.04, "####00.0", "00.0"}, {9.96, "####00.0", "10.0"},
  };
  for (const PatternCase& c : cases)
    EXPECT_EQ(FormatNumber(c.number, c.pattern), c.text) << c.number << " " << c.pattern;
}

struct FieldCase {
  const char* text;
  const char* pattern;
  const char* field;
};

TEST(FormatText, FillsTheAtPlacesFromTheRightAndKeepsThePatternsBlanks) {
  const FieldCase cases[] = {
      {"26", "@@@ ", " 26 "},
      {"100", "@@@ ", "100 "},
      {"83", "@@@  ", " 83  "},
      {"4.0", "@@@@   ", " 4.0   "},
      {"-2.0", "@@@@ ", "-2.0 "},
      {"1", " @@", "  1"},
      {"12", " @@", " 12"},
      {"12.0", "  @@@@@      ", "   12.0      "},
      {"-19.2", "@@@@@      ", "-19.2      "},
      {"00.0", "@@@@@@@@", "    00.0"},
      {"-03.6", "@@@@@@@@", "   -03.6"},
      {"甲", "@", "甲"},
      {"", "@", " "},
      {"　", "@", "　"},
      // A longer text is not cut: what the places cannot hold stands at the leftmost one.
      {"12345", "@@@ ", "12345 "},
      {"-23040.0", "@@@@@ ", "-23040.0 "},
  };
  for (const FieldCase& c : cases)
    EXPECT_EQ(FormatText(c.text, c.pattern), c.field) << c.text << " in " << c.pattern;
}

}  // namespace
}  // namespace qm
