#pragma once
#include <array>
#include <optional>
#include <string_view>

namespace qm {

// Index 0 is "none" everywhere: stems 1..10, branches 1..12, elements 1..5, kinds 1..10.
inline constexpr std::array<std::string_view, 11> kStemNames = {
    "", "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
inline constexpr std::array<std::string_view, 13> kBranchNames = {
    "", "子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
inline constexpr std::array<std::string_view, 6> kElementNames = {"", "木", "火", "土", "金", "水"};
inline constexpr std::array<std::string_view, 11> kElementKindNames = {
    "", "甲木", "乙木", "丙火", "丁火", "燥土", "溼土", "庚金", "辛金", "壬水", "癸水"};
inline constexpr std::array<std::string_view, 11> kTenGodNames = {
    "", "比肩", "劫財", "食神", "傷官", "偏財", "正財", "七殺", "正官", "偏印", "正印"};
inline constexpr std::array<std::string_view, 6> kSeasonStateNames = {"", "旺", "相", "休", "囚", "死"};

// Wraps any whole number into 1..size: the one place where "0 read as 10", "minus 12 when above
// 12" and "a remainder 0 counts as 60" live. Cycle(0, 10) == 10, Cycle(13, 12) == 1.
constexpr int Cycle(int n, int size) {
  int r = n % size;
  if (r <= 0) r += size;
  return r;
}

// Stem s counted n steps on (n may be negative): NextStem(10, 1) == 1.
constexpr int NextStem(int stem, int n) { return Cycle(stem + n, 10); }
constexpr int NextBranch(int branch, int n) { return Cycle(branch + n, 12); }

// The element (1..5) of a stem: 甲乙 木, 丙丁 火, 戊己 土, 庚辛 金, 壬癸 水.
constexpr int StemElement(int stem) { return (stem + 1) / 2; }

// The element of a branch: 寅卯 木, 巳午 火, 丑辰未戌 土, 申酉 金, 亥子 水; 0 for no branch.
inline constexpr std::array<int, 13> kBranchElement = {0, 5, 3, 1, 1, 3, 2, 2, 3, 4, 4, 3, 5};
constexpr int BranchElement(int branch) { return branch >= 1 && branch <= 12 ? kBranchElement[branch] : 0; }

// The element that generates element e: 水 for 木, 木 for 火 ...
constexpr int GeneratingElement(int element) { return Cycle(element - 1, 5); }

// The three-month season of a branch: 1 spring 寅卯辰, 2 summer 巳午未, 3 autumn 申酉戌,
// 4 winter 亥子丑; 0 for no branch.
inline constexpr std::array<int, 13> kSeasonOfBranch = {0, 4, 4, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4};
constexpr int SeasonOf(int branch) { return branch >= 1 && branch <= 12 ? kSeasonOfBranch[branch] : 0; }

// Exact comparison of a whole text with the names; no number when none is equal.
std::optional<int> StemFromText(std::string_view text);
std::optional<int> BranchFromText(std::string_view text);
std::optional<int> ElementKindFromText(std::string_view text);

}  // namespace qm
