#pragma once
// The frame of the Zi Wei chart: the cells and their box grid around the merged centre, the
// header with the birth date in both calendars, and the branch label of each cell.
#include <array>

#include "ziwei/ziwei_chart.h"

namespace qm::ziwei {

// The chart's scale: (0, 0) at the top left, (83, 33.5) at the bottom right.
inline constexpr double kChartWidth = 83, kChartHeight = 33.5;

// The left and top border of each cell 1 (子) .. 12 (亥): 巳午未申 along the top, 寅丑子亥
// along the bottom, 辰卯 down the left side and 酉戌 down the right side. Each cell is 20 wide
// and 7 high.
struct CellCorner {
  double left = 0, top = 0;
};
inline constexpr std::array<CellCorner, 13> kCellCorners = {{
    {0, 0},                                           //
    {41, 25}, {21, 25}, {1, 25}, {1, 18}, {1, 11},    // 子 丑 寅 卯 辰
    {1, 4},   {21, 4},  {41, 4}, {61, 4},             // 巳 午 未 申
    {61, 11}, {61, 18}, {61, 25},                     // 酉 戌 亥
}};

// The last text line of a cell, one unit above its lower border: its name, stem and branch.
constexpr double LastLineOf(int cell) { return kCellCorners[cell].top + 6; }

// Clears the canvas, sets the chart's scale (0,0)-(83,33.5) and draws the box grid.
void DrawZiWeiGrid(ZiWeiChart& chart);
// The date line "(陽73/5/12 陰73/4/12 辰時)", " 閏月" for a leap month, and the sex and
// polarity label.
void PrintChartHeader(ZiWeiChart& chart);
void PrintBranchLabels(ZiWeiChart& chart);

}  // namespace qm::ziwei
