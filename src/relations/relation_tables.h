#pragma once
// The fixed tables of the relation lists: the groups of every family, in the order in which they
// are tested and printed, and the clashing branches of a stem.
#include <array>
#include <string_view>

namespace qm::relations {

// A group of two to four member numbers (stems or branches; unused places hold 0) and the text
// printed when every member is present.
struct Group {
  std::array<int, 4> members;
  std::string_view text;
};

// A branch that punishes itself when two or more pillars hold it.
struct SelfPunishment {
  int branch;
  std::string_view text;
};

// 天干五合, over the stems.
inline constexpr std::array<Group, 5> kStemCombinations = {{
    {{1, 6}, "甲己合土"},
    {{2, 7}, "乙庚合金"},
    {{3, 8}, "丙辛合水"},
    {{4, 9}, "丁壬合木"},
    {{5, 10}, "戊癸合火"},
}};

// 三會 and 辰戌丑未會, over the branches.
inline constexpr std::array<Group, 5> kDirectionalAssemblies = {{
    {{3, 4, 5}, "寅卯辰會木"},
    {{6, 7, 8}, "巳午未會火"},
    {{9, 10, 11}, "申酉戌會金"},
    {{12, 1, 2}, "亥子丑會水"},
    {{5, 11, 2, 8}, "辰戌丑未會"},
}};

// 三合, one group per element 木 火 金 水; a found group keeps its element's block of
// kHalfCombinations (same index) from being tested.
inline constexpr std::array<Group, 4> kTripleCombinations = {{
    {{12, 4, 8}, "亥卯未合木"},
    {{3, 7, 11}, "寅午戌合火"},
    {{6, 10, 2}, "巳酉丑合金"},
    {{9, 1, 5}, "申子辰合水"},
}};

// 六合.
inline constexpr std::array<Group, 6> kSixCombinations = {{
    {{1, 2}, "子丑合土"},
    {{3, 12}, "寅亥合木"},
    {{4, 11}, "卯戌合火"},
    {{5, 10}, "辰酉合金"},
    {{6, 9}, "巳申合水"},
    {{7, 8}, "午未合火"},
}};

// 半合, one block per triple combination: its first and middle, middle and last, first and last
// members.
inline constexpr std::array<std::array<Group, 3>, 4> kHalfCombinations = {{
    {{{{12, 4}, "亥卯半合木"}, {{4, 8}, "卯未半合木"}, {{12, 8}, "亥未半合木"}}},
    {{{{3, 7}, "寅午半合火"}, {{7, 11}, "午戌半合火"}, {{3, 11}, "寅戌半合火"}}},
    {{{{6, 10}, "巳酉半合金"}, {{10, 2}, "酉丑半合金"}, {{6, 2}, "巳丑半合金"}}},
    {{{{9, 1}, "申子半合水"}, {{1, 5}, "子辰半合水"}, {{9, 5}, "申辰半合水"}}},
}};

// 三刑, the first part of the punishments.
inline constexpr std::array<Group, 3> kThreeBranchPunishments = {{
    {{3, 6, 9}, "寅巳申三刑"},
    {{1, 4, 7}, "子卯午三刑"},
    {{2, 8, 11}, "丑戌未三刑"},
}};

// 沖.
inline constexpr std::array<Group, 6> kBranchClashes = {{
    {{1, 7}, "子午沖"},
    {{2, 8}, "丑未沖"},
    {{3, 9}, "寅申沖"},
    {{4, 10}, "卯酉沖"},
    {{5, 11}, "辰戌沖"},
    {{6, 12}, "巳亥沖"},
}};

// 害.
inline constexpr std::array<Group, 6> kBranchHarms = {{
    {{1, 8}, "子未害"},
    {{2, 7}, "丑午害"},
    {{3, 6}, "寅巳害"},
    {{4, 5}, "卯辰害"},
    {{9, 12}, "申亥害"},
    {{10, 11}, "酉戌害"},
}};

// 破.
inline constexpr std::array<Group, 6> kBranchBreaks = {{
    {{1, 10}, "子酉破"},
    {{7, 4}, "午卯破"},
    {{9, 6}, "申巳破"},
    {{3, 12}, "寅亥破"},
    {{5, 2}, "辰丑破"},
    {{11, 8}, "戌未破"},
}};

// 無恩刑, 恃勢刑 and 無禮刑, the pair punishments of the second part.
inline constexpr std::array<Group, 7> kPairPunishments = {{
    {{3, 6}, "寅巳無恩刑"},
    {{3, 9}, "寅申無恩刑"},
    {{6, 9}, "巳申無恩刑"},
    {{2, 8}, "丑未恃勢刑"},
    {{2, 11}, "丑戌恃勢刑"},
    {{8, 11}, "未戌恃勢刑"},
    {{1, 4}, "子卯無禮刑"},
}};

// 自刑, closing the second part.
inline constexpr std::array<SelfPunishment, 4> kSelfPunishments = {{
    {5, "辰辰自刑"},
    {7, "午午自刑"},
    {10, "酉酉自刑"},
    {12, "亥亥自刑"},
}};

// 干支沖: the branches that clash with each stem (index 1..10), unused places 0; stem 0 has none.
inline constexpr std::array<std::array<int, 3>, 11> kSelfClashBranches = {{
    {0, 0, 0},
    {9, 5, 11},  // 甲 申 辰 戌
    {10, 2, 8},  // 乙 酉 丑 未
    {1, 9, 0},   // 丙 子 申
    {10, 12, 0}, // 丁 酉 亥
    {1, 3, 0},   // 戊 子 寅
    {12, 4, 0},  // 己 亥 卯
    {7, 3, 0},   // 庚 午 寅
    {6, 4, 0},   // 辛 巳 卯
    {7, 5, 11},  // 壬 午 辰 戌
    {6, 2, 8},   // 癸 巳 丑 未
}};

}  // namespace qm::relations
