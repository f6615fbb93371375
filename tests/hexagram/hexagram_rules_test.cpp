// The rules of the hexagram chart: palaces, 世 and 應, 卦身, 納甲, relatives, 六沖 and 六合, 反吟
// and 伏吟, hidden spirits, beasts, void pairs, clashes, 進 and 退, element counts, the clock.
#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <utility>
#include <string>
#include <vector>

#include "hexagram/divination_time.h"
#include "hexagram/hexagram_rules.h"
#include "hexagram/hexagram_tables.h"

namespace qm::hexagram {
namespace {

// Codes "1".."4" of lines 1..6 from a text such as "123413".
LineCodes Codes(std::string_view digits) {
  LineCodes codes;
  for (std::size_t k = 0; k < digits.size() && k < 6; ++k) codes[k] = std::string(1, digits[k]);
  return codes;
}

Hexagram Primary(const LineCodes& codes) { return HexagramOf(LineFlagsOf(codes).primary); }
Hexagram Changed(const LineCodes& codes) { return HexagramOf(LineFlagsOf(codes).changed); }
std::string_view NameOf(const Hexagram& h) { return kHexagramNames[h.palace][h.position - 1]; }

// Six branch or stem names joined: "子寅辰午申戌".
std::string Names(const SixLines& numbers, bool stems = false) {
  std::string text;
  for (int n : numbers) text += stems ? kStemNames[n] : kBranchNames[n];
  return text;
}
std::string Relatives(const SixLines& relatives) {
  std::string text;
  for (int r : relatives) text += std::string(kSixRelativeNames[r]) + " ";
  return text;
}

TEST(HexagramRules, PalaceWorldResponseAndBody) {
  struct Case {
    LineCodes codes;
    std::string_view name;
    int palace, position, world, response, body;
  };
  const std::vector<Case> cases = {
      {LineCodes{}, "坤為地", 8, 1, 6, 3, 12},         // unset lines are young yin
      {Codes("333333"), "坤為地", 8, 1, 6, 3, 12},
      {Codes("311111"), "天風姤", 1, 2, 1, 4, 7},       // world line yin: 1 + 6 = 午
      {Codes("111111"), "乾為天", 1, 1, 6, 3, 6},       // world line yang: 巳
      {Codes("333131"), "火地晉", 1, 7, 4, 1, 4},       // 遊魂
      {Codes("111131"), "火天大有", 1, 8, 3, 6, 3},     // 歸魂
      {Codes("113313"), "水澤節", 6, 2, 1, 4, 1},
      {Codes("11y31z"), "水澤節", 6, 2, 1, 4, 1},       // other texts are young yin
  };
  for (const Case& c : cases) {
    const Hexagram h = Primary(c.codes);
    EXPECT_EQ(NameOf(h), c.name);
    EXPECT_EQ(h.palace, c.palace) << c.name;
    EXPECT_EQ(h.position, c.position) << c.name;
    EXPECT_EQ(h.world, c.world) << c.name;
    EXPECT_EQ(h.response, c.response) << c.name;
    EXPECT_EQ(HexagramBody(h), c.body) << c.name;
  }
}

TEST(HexagramRules, WorkedExampleBothWays) {
  const LineCodes codes = Codes("123413");
  const Hexagram primary = Primary(codes), changed = Changed(codes);
  EXPECT_EQ(primary.code, "010011");
  EXPECT_EQ(NameOf(primary), "水澤節");
  EXPECT_EQ(changed.code, "011001");
  EXPECT_EQ(NameOf(changed), "澤雷隨");
  EXPECT_EQ(changed.world, 3);
  EXPECT_EQ(changed.response, 6);
  // 兌 inside with 丁, 坎 outside with 戊; 震 inside with 庚, 兌 outside with 丁.
  EXPECT_EQ(Names(primary.stems, true) + Names(primary.branches), "丁丁丁戊戊戊巳卯丑申戌子");
  EXPECT_EQ(Names(changed.stems, true) + Names(changed.branches), "庚庚庚丁丁丁子寅辰亥酉未");
  EXPECT_EQ(Relatives(RelativesOf(primary.palace, primary.branches)),
            "妻財 子孫 官鬼 父母 官鬼 兄弟 ");
  EXPECT_EQ(Relatives(RelativesOf(primary.palace, changed.branches)),
            "兄弟 子孫 官鬼 兄弟 父母 官鬼 ");
  EXPECT_EQ(Relatives(RelativesOf(changed.palace, changed.branches)),
            "父母 兄弟 妻財 父母 官鬼 妻財 ");
}

TEST(HexagramRules, RelativesOfThePureAndAChangedHexagram) {
  const Hexagram qian = Primary(Codes("111111"));
  EXPECT_EQ(Relatives(RelativesOf(qian.palace, qian.branches)), "子孫 妻財 父母 官鬼 兄弟 父母 ");
  const Hexagram kun = Primary(Codes("333333"));
  EXPECT_EQ(Relatives(RelativesOf(kun.palace, kun.branches)), "兄弟 父母 官鬼 兄弟 妻財 子孫 ");
  // 乾為天 with line 6 old yang turns into 澤天夬 of the 坤 palace.
  const Hexagram guai = Changed(Codes("111112"));
  EXPECT_EQ(NameOf(guai), "澤天夬");
  EXPECT_EQ(Names(guai.branches), "子寅辰亥酉未");
  EXPECT_EQ(Relatives(RelativesOf(qian.palace, guai.branches)), "子孫 妻財 父母 子孫 兄弟 父母 ");
  EXPECT_EQ(Relatives(RelativesOf(guai.palace, guai.branches)), "妻財 官鬼 兄弟 妻財 子孫 兄弟 ");
}

TEST(HexagramRules, SixClashAndSixHarmonyHexagrams) {
  std::set<std::string_view> clash, harmony;
  for (int p = 1; p <= 8; ++p)
    for (int q = 1; q <= 8; ++q) {
      SixLines flags{};
      for (int k = 0; k < 6; ++k) flags[k] = kHexagramCodes[p][q - 1][5 - k] == '1';
      const Hexagram h = HexagramOf(flags);
      if (IsSixClash(h.branches)) clash.insert(NameOf(h));
      if (IsSixHarmony(h.branches)) harmony.insert(NameOf(h));
    }
  EXPECT_EQ(clash, (std::set<std::string_view>{"乾為天", "兌為澤", "離為火", "震為雷", "巽為風",
                                                "坎為水", "艮為山", "坤為地", "天雷無妄",
                                                "雷天大壯"}));
  EXPECT_EQ(harmony, (std::set<std::string_view>{"天地否", "澤水困", "火山旅", "雷地豫",
                                                  "水澤節", "山火賁", "地雷復", "地天泰"}));
}

// The lines of a trigram (lines 3, 2, 1 from the left) moving from one trigram into another.
LineCodes Moving(int from, int to, int first) {
  LineCodes codes = Codes("333333");
  for (int i = 0; i < 3; ++i) {
    const char was = kTrigramCodes[from][2 - i], becomes = kTrigramCodes[to][2 - i];
    codes[first + i] = was == '1' ? (becomes == '1' ? "1" : "2") : (becomes == '1' ? "4" : "3");
  }
  return codes;
}

TEST(HexagramRules, ReversedWhenKunAndXunTurnIntoEachOtherHiddenWhenQianAndZhen) {
  for (int first : {0, 3})
    for (int from = 1; from <= 8; ++from)
      for (int to = 1; to <= 8; ++to) {
        const LineCodes codes = Moving(from, to, first);
        const auto pair = std::set<int>{from, to};
        TrigramEcho expected = TrigramEcho::None;
        if (from != to && pair == std::set<int>{8, 5}) expected = TrigramEcho::Reversed;
        if (from != to && pair == std::set<int>{1, 4}) expected = TrigramEcho::Hidden;
        EXPECT_EQ(TrigramEchoOf(Primary(codes), Changed(codes), codes, first), expected)
            << kTrigramNames[from] << " -> " << kTrigramNames[to] << " at " << first;
        // The other trigram does not move.
        EXPECT_EQ(TrigramEchoOf(Primary(codes), Changed(codes), codes, 3 - first),
                  TrigramEcho::None);
      }
}

TEST(HexagramRules, HiddenSpiritsOfTianFengGou) {
  const Hexagram gou = Primary(Codes("311111"));
  const SixLines relatives = RelativesOf(gou.palace, gou.branches);
  EXPECT_EQ(Relatives(relatives), "父母 子孫 兄弟 官鬼 兄弟 父母 ");
  EXPECT_EQ(HiddenSpirits(gou.palace, relatives), (SixLines{0, k妻財, 0, 0, 0, 0}));
  EXPECT_EQ(PureBranches(gou.palace)[1], 3);  // 寅
  // A pure hexagram lacks nothing.
  const Hexagram qian = Primary(Codes("111111"));
  EXPECT_EQ(HiddenSpirits(qian.palace, RelativesOf(qian.palace, qian.branches)), SixLines{});
}

TEST(HexagramRules, SixBeastsByDayStem) {
  EXPECT_EQ(SixBeastsOf(1), (SixLines{1, 2, 3, 4, 5, 6}));  // 甲: 青龍 .. 玄武
  EXPECT_EQ(SixBeastsOf(5), (SixLines{3, 4, 5, 6, 1, 2}));  // 戊: 勾陳 .. 朱雀
  EXPECT_EQ(SixBeastsOf(6), (SixLines{4, 5, 6, 1, 2, 3}));  // 己: 螣蛇
  EXPECT_EQ(SixBeastsOf(10), (SixLines{6, 1, 2, 3, 4, 5}));
  EXPECT_FALSE(SixBeastsOf(0));  // no day stem: no beasts at all
}

TEST(HexagramRules, VoidPairsOfTheDayPillar) {
  struct Case {
    int stem, branch;
    std::optional<std::array<int, 2>> pair;
  };
  const std::vector<Case> cases = {
      {1, 1, {{11, 12}}},  // 甲子: 戌亥
      {10, 12, {{1, 2}}},  // 癸亥: 子丑
      {9, 11, {{1, 2}}},   // 壬戌: 子丑
      {10, 2, {{3, 4}}},   // 癸丑: 寅卯
      {2, 8, {{5, 6}}},    // 乙未: 辰巳
      {0, 1, std::nullopt},  // a missing day stem gives no pair
      {0, 2, std::nullopt},
      {1, 2, std::nullopt},  // 甲丑 is no pillar
  };
  for (const Case& c : cases) EXPECT_EQ(VoidPair(c.stem, c.branch), c.pair) << c.stem << c.branch;
}

TEST(HexagramRules, BreakClashAdvanceAndRetreat) {
  EXPECT_EQ(OppositeBranch(1), 7);   // month 子 breaks 午
  EXPECT_EQ(OppositeBranch(8), 2);   // month 未 breaks 丑
  EXPECT_EQ(OppositeBranch(0), 0);   // no month branch, no break
  EXPECT_TRUE(ClashesWith(1, 7));
  EXPECT_TRUE(ClashesWith(7, 1));
  EXPECT_FALSE(ClashesWith(6, 0));   // a missing pillar branch marks nothing (not even 巳)
  EXPECT_FALSE(ClashesWith(1, 2));
  EXPECT_EQ(AdvanceOrRetreat(2, 11), "進");   // 丑 -> 戌
  EXPECT_EQ(AdvanceOrRetreat(11, 2), "退");   // 戌 -> 丑
  EXPECT_EQ(AdvanceOrRetreat(12, 1), "進");   // 亥 -> 子
  EXPECT_EQ(AdvanceOrRetreat(2, 1), "");      // 丑 -> 子
  EXPECT_EQ(AdvanceOrRetreat(11, 12), "");    // 戌 starts no 進
}

TEST(HexagramRules, ElementCountsOfThePillarCharacters) {
  Pillars wood;  // 甲寅 乙卯 甲寅 乙卯
  wood.YearStem = 1, wood.YearBranch = 3, wood.MonthStem = 2, wood.MonthBranch = 4;
  wood.DayStem = 1, wood.DayBranch = 3, wood.HourStem = 2, wood.HourBranch = 4;
  EXPECT_EQ(ElementCounts(wood), (std::array<int, 6>{0, 8, 0, 0, 0, 0}));
  Pillars partial;  // only 庚 and 辰 entered
  partial.DayStem = 7, partial.MonthBranch = 5;
  EXPECT_EQ(ElementCounts(partial), (std::array<int, 6>{0, 0, 0, 1, 1, 0}));
}

TEST(CoinNumber, TenFacesFromAnyNumber) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const std::pair<double, int> cases[] = {
      {0, 1},    {.1, 2},   {.85, 9},  {.95, 10}, {.999999, 10}, {.5, 6},
      // Numbers no generator gives stay coins.
      {-1, 1},   {-.05, 1}, {1, 10},   {5, 10},   {1e300, 10},  {-1e300, 1},
      {kInf, 10}, {-kInf, 1}, {std::numeric_limits<double>::quiet_NaN(), 1},
  };
  for (const auto& [r, coin] : cases) EXPECT_EQ(CoinNumber(r), coin) << r;
}

TEST(DivinationTime, TheClockOnTheTwelveHourDial) {
  struct Case {
    const char* time;
    int hour, minute;
  };
  for (const Case& c : {Case{"下午 12:05:30", 12, 5}, Case{"上午 12:05:00", 0, 5},
                        Case{"下午 03:40:59", 15, 40}, Case{"上午 11:59:00", 11, 59},
                        Case{"下午 11:00:00", 23, 0}}) {
    const DivinationTime t = DivinationTimeOfClock("2005/5/11", c.time);
    EXPECT_EQ(t, (DivinationTime{94, 5, 11, c.hour, c.minute})) << c.time;
  }
  EXPECT_EQ(DivinationTimeOfClock("2031/12/31", "上午 01:02:03"), (DivinationTime{120, 12, 31, 1, 2}));
}

// Each field of the clock's texts is its own two characters: a longer run of digits never
// becomes one number.
TEST(DivinationTime, EachClockFieldIsReadFromItsTwoCharacters) {
  EXPECT_EQ(DivinationTimeOfClock("2005/5/1199999999999", "下午 03:0799999999999"),
            (DivinationTime{94, 5, 11, 15, 7}));
  const std::string digits(400, '9');
  EXPECT_EQ(DivinationTimeOfClock("2005/5/" + digits, "上午 " + digits),
            (DivinationTime{94, 5, 99, 3, 99}));
}

TEST(DivinationTime, OnlyADateTheCalendarServes) {
  struct Case {
    DivinationTime t;
    bool ok;
  };
  for (const Case& c : {Case{{94, 5, 11, 15, 7}, true}, Case{{1, 1, 1, 0, 0}, true},
                        Case{{120, 12, 31, 23, 59}, true}, Case{{0, 5, 11, 15, 7}, false},
                        Case{{121, 5, 11, 15, 7}, false}, Case{{94, 13, 1, 0, 0}, false},
                        Case{{94, 2, 29, 0, 0}, false}, Case{{93, 2, 29, 0, 0}, true},
                        Case{{94, 4, 31, 0, 0}, false}, Case{{94, 5, 0, 0, 0}, false},
                        Case{{94, 5, 1, 24, 0}, false}, Case{{94, 5, 1, 0, 60}, false},
                        Case{{94, 5, 1, -1, 0}, false}})
    EXPECT_EQ(IsDivinationTime(c.t), c.ok) << c.t.year << "/" << c.t.month << "/" << c.t.day
                                           << " " << c.t.hour << ":" << c.t.minute;
}

}  // namespace
}  // namespace qm::hexagram
