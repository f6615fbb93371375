// The fortune listing: its two header lines, its 96-character records field by field, its line
// count, and the file written whole and read back line by line.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/failure.h"
#include "base/number_text.h"
#include "base/utf8.h"
#include "fortune/fortune_listing.h"
#include "fortune_support.h"
#include "support/temp_folder.h"

namespace qm::fortune {
namespace {

using Kind = LuckRuler::Kind;

// A text written with "·" for each blank.
std::string Blanks(std::string text) {
  for (std::size_t at; (at = text.find("·")) != std::string::npos;) text.replace(at, 2, " ");
  return text;
}

const std::string kIdeographicSpace = "\u3000";

// The 寅 month of age 26 in RocYear 83 under 甲, in a 甲戌 year, month 丙寅, the first month of
// the window.
FortuneMonth ExampleMonth() {
  FortuneMonth m;
  m.age = 26, m.rocYear = 83, m.position = 1;
  m.ruler = {Kind::Stem, 1};
  m.year = {1, 11};
  m.month = {3, 3};
  m.luckScore = 4, m.yearStemScore = 4, m.yearBranchScore = -2;
  m.monthStemScore = 2, m.monthBranchScore = 4;
  m.sum = 12;
  m.monthly = 1.2 * 4 + 4 - 2 + 0.8 * 2 + 0.8 * 4;
  m.before = 0;
  m.cumulative = m.monthly;
  return m;
}

TEST(FortuneListing, TheHeaderLinesStandAsTheirPiecesSay) {
  const std::string first = "年·民·(大運)分·····(流年)·天干·地支····(流月)··天干··地支····本列··" +
                            kIdeographicSpace + "加權···累計加權";
  const std::string second = "齡·國··干支··數" + kIdeographicSpace + "··干支··分數·分數·····干支" +
                             kIdeographicSpace + "分數··分數" + kIdeographicSpace + "·加總·" +
                             kIdeographicSpace + "分數" + kIdeographicSpace + "··總分數·";
  EXPECT_EQ(kFortuneListingHeader1, Blanks(first));
  EXPECT_EQ(kFortuneListingHeader2, Blanks(second));
  EXPECT_EQ(CharCount(kFortuneListingHeader1), 58u);
  EXPECT_EQ(CharCount(kFortuneListingHeader2), 51u);
}

TEST(FortuneRecord, TheFirstMonthOfTheExampleWindow) {
  EXPECT_EQ(FortuneRecord(ExampleMonth()),
            Blanks("·26··83··(甲)··4.0···(甲戌)··4.0··-2.0····1(丙寅)····2.0······4.0·······12.0···"
                   "····11.6··········11.6"));
}

TEST(FortuneRecord, EveryFieldKeepsItsWidthFromTheSmallestToTheLargestValues) {
  FortuneMonth low = ExampleMonth();
  low.age = 1, low.rocYear = 0, low.position = 12;
  low.ruler = {};
  low.luckScore = -4, low.yearStemScore = -4, low.yearBranchScore = -4;
  low.monthStemScore = -4, low.monthBranchScore = -4;
  low.sum = -20, low.monthly = -19.2, low.cumulative = -23040;
  FortuneMonth high = low;
  high.age = 100, high.rocYear = 219, high.sum = 20, high.monthly = 19.2, high.cumulative = 23040;
  const std::string lowLine = FortuneRecord(low);
  EXPECT_EQ(lowLine,
            Blanks("·01··00··(　)·-4.0···(甲戌)·-4.0··-4.0···12(丙寅)···-4.0·····-4.0······-20.0"
                   "······-19.2······-23040.0"));
  EXPECT_EQ(CharCount(lowLine), 96u);
  EXPECT_EQ(CharCount(FortuneRecord(high)), 96u);
}

TEST(FortuneRecord, AZeroScoreAndSmallCumulativeValuesFillTheirFields) {
  struct Case {
    double cumulative;
    const char* tail;
  };
  for (Case c : {Case{0, "····00.0"}, Case{-3.6, "···-03.6"}, Case{0.4 * 3, "····01.2"}}) {
    FortuneMonth m = ExampleMonth();
    m.luckScore = 0;
    m.cumulative = c.cumulative;
    const std::string line = FortuneRecord(m);
    EXPECT_EQ(line.substr(line.size() - 8), Blanks(c.tail)) << c.cumulative;
    EXPECT_EQ(line.substr(15, 7), " 0.0   ") << c.cumulative;  // the luck score, after "(甲) "
  }
}

TEST(FortuneListingText, HasTwoHeaderLinesAndOneLinePerMonth) {
  const auto pillars = AgeYearPillars(58, fixture::SixtyCycle());
  struct Case {
    FortuneWindow window;
    std::size_t lines;
  };
  for (Case c : {Case{{26, 46}, 254}, Case{{1, 2}, 26}, Case{{1, 100}, 1202}}) {
    const auto months = FortuneMonths(fixture::RecordStartingAt(7.41), fixture::kDefaultRoles, c.window,
                                      pillars);
    const std::string text = FortuneListingText(months);
    EXPECT_EQ(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')), c.lines);
    EXPECT_EQ(text.find("\r\n"), kFortuneListingHeader1.size());
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  }
}

TEST(FortuneListing, IsWrittenWholeAndReadBackLineByLine) {
  test::TempFolder folder("fortune_listing");
  const auto months = FortuneMonths(fixture::RecordStartingAt(7.41), fixture::kDefaultRoles, {26, 46},
                                    AgeYearPillars(58, fixture::SixtyCycle()));
  WriteFortuneListing(months);
  EXPECT_EQ(folder.Read("fortune.PRN"), FortuneListingText(months));
  const std::vector<std::string> lines = ReadFortuneListing();
  ASSERT_EQ(lines.size(), 254u);
  EXPECT_EQ(lines[0], kFortuneListingHeader1);
  EXPECT_EQ(lines[253], FortuneRecord(months.back()));
  EXPECT_EQ(lines[253].substr(0, 4), " 46 ");
  EXPECT_NE(lines[253].find("12(丁丑)"), std::string::npos);
}

TEST(FortuneListing, AnEmptyFileHasNoLinesAndAMissingOneIsAFailure) {
  test::TempFolder folder("fortune_listing");
  EXPECT_THROW(ReadFortuneListing(), Failure);
  folder.Write("fortune.PRN", "");
  EXPECT_TRUE(ReadFortuneListing().empty());
}

}  // namespace
}  // namespace qm::fortune
