#pragma once
// The fixed tables of the hexagram chart, laid out so that each row can be checked against a
// printed almanac. Palaces and trigrams are numbered 1..8 in the order 乾 兌 離 震 巽 坎 艮 坤;
// index 0 of every table keyed by a stem, branch, trigram or palace is "none".
#include <array>
#include <string_view>

#include "base/names.h"
#include "stars/star_rule.h"
#include "stars/star_tables.h"

namespace qm::hexagram {

// A stem or branch as the chart prints it: a missing value (0) is two blanks.
constexpr std::string_view StemName(int stem) {
  return stem >= 1 && stem <= 10 ? kStemNames[stem] : "  ";
}
constexpr std::string_view BranchName(int branch) {
  return branch >= 1 && branch <= 12 ? kBranchNames[branch] : "  ";
}

inline constexpr std::array<std::string_view, 9> kTrigramNames = {
    "", "乾", "兌", "離", "震", "巽", "坎", "艮", "坤"};

// The code of each trigram, its lines 3, 2, 1 from the left; "1" yang, "0" yin.
inline constexpr std::array<std::string_view, 9> kTrigramCodes = {
    "", "111", "011", "101", "001", "110", "010", "100", "000"};

// The 64 hexagrams palace by palace: the pure hexagram, its 一世 to 五世, then 遊魂 and 歸魂.
inline constexpr std::array<std::array<std::string_view, 8>, 9> kHexagramNames = {{
    {},
    {"乾為天", "天風姤", "天山遯", "天地否", "風地觀", "山地剝", "火地晉", "火天大有"},
    {"兌為澤", "澤水困", "澤地萃", "澤山咸", "水山蹇", "地山謙", "雷山小過", "雷澤歸妹"},
    {"離為火", "火山旅", "火風鼎", "火水未濟", "山水蒙", "風水渙", "天水訟", "天火同人"},
    {"震為雷", "雷地豫", "雷水解", "雷風恆", "地風升", "水風井", "澤風大過", "澤雷隨"},
    {"巽為風", "風天小畜", "風火家人", "風雷益", "天雷無妄", "火雷噬嗑", "山雷頤", "山風蠱"},
    {"坎為水", "水澤節", "水雷屯", "水火既濟", "澤火革", "雷火豐", "地火明夷", "地水師"},
    {"艮為山", "山火賁", "山天大畜", "山澤損", "火澤睽", "天澤履", "風澤中孚", "風山漸"},
    {"坤為地", "地雷復", "地澤臨", "地天泰", "雷天大壯", "澤天夬", "水天需", "水地比"},
}};

// Their codes, line 6 first and line 1 last. Each step of a palace flips one line, upward from
// line 1; 遊魂 flips line 4 back, 歸魂 restores the palace's inner trigram.
inline constexpr std::array<std::array<std::string_view, 8>, 9> kHexagramCodes = {{
    {},
    {"111111", "111110", "111100", "111000", "110000", "100000", "101000", "101111"},
    {"011011", "011010", "011000", "011100", "010100", "000100", "001100", "001011"},
    {"101101", "101100", "101110", "101010", "100010", "110010", "111010", "111101"},
    {"001001", "001000", "001010", "001110", "000110", "010110", "011110", "011001"},
    {"110110", "110111", "110101", "110001", "111001", "101001", "100001", "100110"},
    {"010010", "010011", "010001", "010101", "011101", "001101", "000101", "000010"},
    {"100100", "100101", "100111", "100011", "101011", "111011", "110011", "110100"},
    {"000000", "000001", "000011", "000111", "001111", "011111", "010111", "010000"},
}};

// 納支: the branch of each line 1..6 when the trigram stands inside (lines 1-3) or outside
// (lines 4-6).
inline constexpr std::array<std::array<int, 6>, 9> kTrigramBranches = {{
    {},
    {1, 3, 5, 7, 9, 11},   // 乾 子 寅 辰 午 申 戌
    {6, 4, 2, 12, 10, 8},  // 兌 巳 卯 丑 亥 酉 未
    {4, 2, 12, 10, 8, 6},  // 離 卯 丑 亥 酉 未 巳
    {1, 3, 5, 7, 9, 11},   // 震 子 寅 辰 午 申 戌
    {2, 12, 10, 8, 6, 4},  // 巽 丑 亥 酉 未 巳 卯
    {3, 5, 7, 9, 11, 1},   // 坎 寅 辰 午 申 戌 子
    {5, 7, 9, 11, 1, 3},   // 艮 辰 午 申 戌 子 寅
    {8, 6, 4, 2, 12, 10},  // 坤 未 巳 卯 丑 亥 酉
}};

// 納甲: the stem of a trigram inside and outside; only 乾 and 坤 differ between the two.
struct TrigramStem {
  int inner, outer;
};
inline constexpr std::array<TrigramStem, 9> kTrigramStems = {{
    {0, 0}, {1, 9}, {4, 4}, {6, 6}, {7, 7}, {8, 8}, {5, 5}, {3, 3}, {2, 10},
}};

inline constexpr std::array<std::string_view, 7> kSixBeasts = {
    "", "青龍", "朱雀", "勾陳", "螣蛇", "白虎", "玄武"};

// 納音: pairs 2k-1 and 2k of the sixty cycle share name k.
inline constexpr std::array<std::string_view, 31> kNayinNames = {
    "",       "海中金", "爐中火", "大林木", "路旁土", "劍鋒金", "山頭火", "澗下水",
    "城頭土", "白臘金", "楊柳木", "井泉水", "屋上土", "霹靂火", "松柏木", "長流水",
    "沙中金", "山下火", "平地木", "壁上土", "金箔金", "覆燈火", "天河水", "大驛土",
    "釵釧金", "桑拓木", "大溪水", "沙中土", "天上火", "石榴木", "大海水"};

// The element (木 1 .. 水 5) of each palace; a branch's is base's BranchElement. The seasonal
// states of the elements are the natal chart's, by the season of the month branch.
inline constexpr std::array<int, 9> kPalaceElement = {0, 4, 4, 2, 1, 1, 5, 3, 3};

inline constexpr std::array<std::string_view, 6> kSixRelativeNames = {
    "", "父母", "兄弟", "子孫", "妻財", "官鬼"};
enum Relative { k父母 = 1, k兄弟, k子孫, k妻財, k官鬼 };
// The relative of a line: palace element (rows) against the line branch's element (columns).
inline constexpr std::array<std::array<int, 6>, 6> kSixRelatives = {{
    {},
    //    木     火     土     金     水
    {0, k兄弟, k子孫, k妻財, k官鬼, k父母},  // 木
    {0, k父母, k兄弟, k子孫, k妻財, k官鬼},  // 火
    {0, k官鬼, k父母, k兄弟, k子孫, k妻財},  // 土
    {0, k妻財, k官鬼, k父母, k兄弟, k子孫},  // 金
    {0, k子孫, k妻財, k官鬼, k父母, k兄弟},  // 水
}};

// World and response lines by the position in the palace.
inline constexpr std::array<int, 9> kWorldLine = {0, 6, 1, 2, 3, 4, 5, 4, 3};
inline constexpr std::array<int, 9> kResponseLine = {0, 3, 4, 5, 6, 1, 2, 1, 6};

// The first of the six beasts on line 1, by day stem: 甲乙 青龍 .. 壬癸 玄武.
inline constexpr std::array<int, 11> kStartBeast = {0, 1, 1, 2, 2, 3, 4, 5, 5, 6, 6};

// 生 祿 旺 墓 絕 of a branch by its element, earth taking the row of fire.
inline constexpr std::array<std::array<int, 5>, 6> kLifeStagesOfElement = {{
    {},
    {12, 3, 4, 8, 9},   // 木: 亥 寅 卯 未 申
    {3, 6, 7, 11, 12},  // 火: 寅 巳 午 戌 亥
    {3, 6, 7, 11, 12},  // 土 as 火
    {6, 9, 10, 2, 3},   // 金: 巳 申 酉 丑 寅
    {9, 12, 1, 5, 6},   // 水: 申 亥 子 辰 巳
}};

// 進 and 退 of a moving line: within one element the branch moves on or back in the order
// 亥子 / 寅卯 / 巳午 / 申酉 / 丑辰未戌.
struct BranchMove {
  int from, to;
};
inline constexpr std::array<BranchMove, 10> kAdvance = {{
    {12, 1}, {3, 4}, {6, 7}, {9, 10}, {2, 5}, {2, 8}, {2, 11}, {5, 8}, {5, 11}, {8, 11},
}};
inline constexpr std::array<BranchMove, 10> kRetreat = {{
    {1, 12}, {4, 3}, {7, 6}, {10, 9}, {11, 8}, {11, 5}, {11, 2}, {8, 5}, {8, 2}, {5, 2},
}};

// The day stars and the star grid read the natal chart's own star tables wherever the star is
// the same: 貴人 is its 天乙, 桃花 its 咸池, and 孤辰 to 將星 of the grid are its stars of those
// names. Two stay here: the natal grid has no 天醫, and this chart's 羊刃 of a 辛 or 癸 day falls
// on 申 or 亥, where the natal 羊刃 seeks 戌 or 丑.
inline constexpr std::array<int, 11> k羊刃 = {0, 4, 3, 7, 6, 7, 6, 10, 9, 1, 12};
// 天醫 by the branch of a line: the branch before it.
inline constexpr std::array<int, 13> k天醫 = {0, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

// The columns of the grid after 天醫, in the order they print.
inline constexpr std::array<stars::Star, 7> kGridStars = {
    stars::k孤辰, stars::k寡宿, stars::k驛馬, stars::k劫煞, stars::k華蓋, stars::k咸池, stars::k將星};

}  // namespace qm::hexagram
