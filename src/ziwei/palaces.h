#pragma once
// The twelve palaces of the Zi Wei chart: the stem of every cell, the life and body palaces,
// the palace names and the five-element bureau.
#include <array>
#include <string_view>

#include "ziwei/chart_frame.h"

namespace qm::ziwei {

inline constexpr std::array<std::string_view, 13> kPalaceNames = {
    "", "命宮", "兄弟宮", "夫妻宮", "子女宮", "財帛宮", "疾厄宮",
    "遷移宮", "朋友宮", "官祿宮", "田宅宮", "福德宮", "父母宮"};

// The whole lunar month (1..12) that places the palaces and the month stars: a leap month
// counts as the month it follows up to its 15th day and as the next month from its 16th.
int ZiWeiMonth(const LunarDate& lunar);

// Where a cell's palace name stands: 1.5 right of its left border, on its last line.
struct PrintPoint {
  double x = 0, y = 0;
};
constexpr PrintPoint PalaceNamePoint(int cell) {
  return {kCellCorners[cell].left + 1.5, LastLineOf(cell)};
}

// LunarYearStem and the stem of every cell, printed beside its branch.
void PrintPalaceStems(ZiWeiChart& chart);
// ZiWeiMonthCell, ZiWeiBodyPalace and ZiWeiLifePalace.
void FindLifeAndBodyPalaces(ZiWeiChart& chart);
void PrintPalaceNames(ZiWeiChart& chart);
// FiveElementBureau and its name above the grid.
void PrintFiveElementBureau(ZiWeiChart& chart);

}  // namespace qm::ziwei
