#pragma once
// The hidden stems (藏干) of the twelve branches as the program knows them by heart: the relation
// list roots a stem in them and the natal chart shows as many of the hidden-stem file's slots as
// a branch holds here. The file 地支藏干.DAT, read at every drawing, gives the chart the texts and
// weights of its slots; its shown slots hold these same stems.
#include <algorithm>
#include <array>

#include "base/pillar.h"

namespace qm {

// The hidden stems of each branch (index 1..12), principal stem first, the places after the
// last holding 0; branch 0 holds none.
inline constexpr std::array<std::array<int, 3>, 13> kHiddenStemTable = {{
    {0, 0, 0},
    {10, 0, 0},  // 子 癸
    {6, 8, 10},  // 丑 己 辛 癸
    {1, 3, 5},   // 寅 甲 丙 戊
    {2, 0, 0},   // 卯 乙
    {5, 10, 2},  // 辰 戊 癸 乙
    {3, 7, 5},   // 巳 丙 庚 戊
    {4, 6, 0},   // 午 丁 己
    {6, 2, 4},   // 未 己 乙 丁
    {7, 9, 5},   // 申 庚 壬 戊
    {8, 0, 0},   // 酉 辛
    {5, 4, 8},   // 戌 戊 丁 辛
    {9, 1, 0},   // 亥 壬 甲
}};

// How many hidden stems a branch holds: one for 子卯酉, two for 午亥, three for the others; a
// branch outside 1..12 throws qm::Failure.
inline int HiddenStemCount(int branch) {
  const std::array<int, 3>& stems = kHiddenStemTable[CheckedBranch(branch)];
  return static_cast<int>(std::ranges::count_if(stems, [](int stem) { return stem != 0; }));
}

}  // namespace qm
