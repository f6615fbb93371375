#pragma once
// The star slots of the twelve cells: the names of the stars, their entry into a cell's next
// free slot and the search for the slot a star stands in.
#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "ziwei/ziwei_chart.h"

namespace qm::ziwei {

// The two characters of each star by its id 1..57, printed one above the other.
inline constexpr std::array<std::string_view, 58> kStarNames = {
    "",     "紫微", "天機", "太陽", "武曲", "天同", "廉貞", "天府", "太陰", "貪狼", "巨門",
    "天相", "天梁", "七殺", "破軍", "文昌", "文曲", "火星", "鈴星", "祿存", "擎羊",
    "陀羅", "左輔", "右弼", "天魁", "天鉞", "天官", "天福", "截空", "天刑", "天姚",
    "天馬", "天巫", "天月", "陰煞", "紅鸞", "天喜", "天哭", "天虛", "孤辰", "寡宿",
    "三台", "八座", "天傷", "天使", "天壽", "恩光", "天貴", "台輔", "封誥", "天空",
    "地劫", "天才", "解神", "龍池", "鳳閣", "蜚廉", "破碎"};

// Reads PLACE.DAT into the chart's slot layout and empties every slot.
void ReadSlotLayout(ZiWeiChart& chart);

// Writes the star into slot 1 of its cell, whatever the cell's next free slot; for the stars
// that open the chart.
void PlaceStarInFirstSlot(ZiWeiChart& chart, int cell, int id);

// The next free slot of every cell: one past the occupied slots among the first nine.
void RebuildNextFreeSlot(ZiWeiChart& chart);

// Writes the star into the cell's next free slot. A cell already holding fourteen stars leaves
// the star out and the drawing goes on.
void PlaceStar(ZiWeiChart& chart, int cell, int id);

// A star and the rule that finds its cell in the chart.
struct StarRule {
  int id = 0;
  int (*cell)(const ZiWeiChart&) = nullptr;
};
// Places the stars in the order given, each cell found right before its star enters.
void PlaceStars(ZiWeiChart& chart, std::span<const StarRule> stars);

struct StarSlot {
  int cell = 0, slot = 0;
};
// The slot of a star among the first nine of every cell; none when it stands elsewhere.
std::optional<StarSlot> FindStarSlot(const ZiWeiChart& chart, int id);

// The cell of a star that stands among the first nine slots of its cell; a star not found
// there throws qm::Failure.
int FindStarCell(const ZiWeiChart& chart, int id);

// The point of a found slot moved down by dy: where a word under the star is printed.
void PrintUnderStar(ZiWeiChart& chart, StarSlot at, double dy, std::string_view text);

}  // namespace qm::ziwei
