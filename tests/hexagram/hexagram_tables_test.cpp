// The hexagram tables against the rules that build them and the rows an almanac prints.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "hexagram/hexagram_rules.h"
#include "hexagram/hexagram_tables.h"
#include "natal/chart_rules.h"

namespace qm::hexagram {
namespace {

// Line k (1..6) of a code is character 6 - k.
std::string Flipped(std::string code, int line) {
  char& c = code[6 - line];
  c = c == '1' ? '0' : '1';
  return code;
}

TEST(HexagramTables, EveryPalaceFollowsTheRuleOfItsTrigram) {
  for (int p = 1; p <= 8; ++p) {
    const std::string trigram(kTrigramCodes[p]);
    std::string expected = trigram + trigram;
    EXPECT_EQ(kHexagramCodes[p][0], expected) << kTrigramNames[p];
    for (int q = 2; q <= 6; ++q) {
      expected = Flipped(expected, q - 1);
      EXPECT_EQ(kHexagramCodes[p][q - 1], expected) << kHexagramNames[p][q - 1];
    }
    expected = Flipped(expected, 4);
    EXPECT_EQ(kHexagramCodes[p][6], expected) << kHexagramNames[p][6];
    expected = expected.substr(0, 3) + trigram;
    EXPECT_EQ(kHexagramCodes[p][7], expected) << kHexagramNames[p][7];
  }
}

TEST(HexagramTables, EachOfTheSixtyFourCodesStandsOnce) {
  std::set<std::string_view> codes;
  for (int p = 1; p <= 8; ++p)
    for (std::string_view code : kHexagramCodes[p]) codes.insert(code);
  EXPECT_EQ(codes.size(), 64u);
  struct Case {
    const char* code;
    int palace, position;
    const char* name;
  };
  for (const Case& c : {Case{"111110", 1, 2, "天風姤"}, Case{"010111", 8, 7, "水天需"},
                        Case{"100110", 5, 8, "山風蠱"}, Case{"101010", 3, 4, "火水未濟"},
                        Case{"110011", 7, 7, "風澤中孚"}, Case{"001011", 2, 8, "雷澤歸妹"}}) {
    const PalacePlace place = FindPalace(c.code);
    EXPECT_EQ(place.palace, c.palace) << c.code;
    EXPECT_EQ(place.position, c.position) << c.code;
    EXPECT_EQ(kHexagramNames[place.palace][place.position - 1], c.name);
  }
}

TEST(HexagramTables, TrigramBranchesInsideAndOutside) {
  // 巽 inside gives 丑 亥 酉 for lines 1 to 3, 坤 outside 丑 亥 酉 for lines 4 to 6.
  EXPECT_EQ(kTrigramBranches[5][0], 2);
  EXPECT_EQ(kTrigramBranches[5][1], 12);
  EXPECT_EQ(kTrigramBranches[5][2], 10);
  EXPECT_EQ(kTrigramBranches[8][3], 2);
  EXPECT_EQ(kTrigramBranches[8][4], 12);
  EXPECT_EQ(kTrigramBranches[8][5], 10);
}

TEST(HexagramTables, NayinNamesOfTheSixtyPairs) {
  struct Case {
    int stem, branch;
    std::string_view name;
  };
  for (const Case& c : {Case{1, 1, "海中金"}, Case{2, 2, "海中金"}, Case{7, 5, "白臘金"},
                        Case{9, 1, "桑拓木"}, Case{1, 11, "山頭火"}, Case{2, 12, "山頭火"},
                        Case{9, 11, "大海水"}, Case{10, 12, "大海水"}, Case{1, 2, ""},
                        Case{0, 1, ""}, Case{1, 0, ""}})
    EXPECT_EQ(NayinName(c.stem, c.branch), c.name) << c.stem << " " << c.branch;
}

// The states of 木 火 土 金 水 in the month of a branch, read from the natal chart's table the
// chart prints them by.
std::string SeasonStates(int monthBranch) {
  std::string states;
  for (int e = 1; e <= 5; ++e)
    states += kSeasonStateNames[natal::SeasonStateOf(e, natal::StateSeason(monthBranch))];
  return states;
}

TEST(HexagramTables, SeasonStatesOfTheElements) {
  EXPECT_EQ(SeasonStates(5).substr(6, 3), "旺");  // 土 in an earth month
  EXPECT_EQ(SeasonStates(1).substr(0, 3), "相");  // 木 in winter
  struct Case {
    int monthBranch;
    std::string_view states;
  };
  for (const Case& c : {Case{3, "旺相死囚休"}, Case{4, "旺相死囚休"}, Case{6, "休旺相死囚"},
                        Case{5, "囚休旺相死"}, Case{2, "囚休旺相死"}, Case{11, "囚休旺相死"},
                        Case{9, "死囚休旺相"}, Case{12, "相死囚休旺"}, Case{1, "相死囚休旺"}})
    EXPECT_EQ(SeasonStates(c.monthBranch), c.states) << kBranchNames[c.monthBranch];
}

}  // namespace
}  // namespace qm::hexagram
