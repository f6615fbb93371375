#pragma once
// The readers of the Zi Wei tables. Each reads its file from the program folder afresh, whole,
// and returns the table; a missing or short file, or a value the table does not hold (a cell
// outside 子..亥, a slot outside the chart, a word that is no brightness) throws a qm::Failure
// of that file.
#include <array>
#include <string>

#include "ziwei/ziwei_chart.h"

namespace qm::ziwei {

// PLACE.DAT: for each cell 1..12 and slot 1..14 the slot's point, written y then x.
SlotLayout ReadPlaceTable();

// KING.DAT: the cell of 紫微, [bureau 2..6][lunar day 1..30].
using ZiWeiPositionTable = std::array<std::array<int, 31>, 7>;
ZiWeiPositionTable ReadZiWeiPositionTable();

// 火星.DAT and 鈴星.DAT: the cell of the star, [year branch 1..12][hour branch 1..12].
using BranchHourTable = std::array<std::array<int, 13>, 13>;
BranchHourTable ReadFireStarTable();
BranchHourTable ReadBellStarTable();

// ABCDE.DAT: the brightness word of each of the stars 1..21 in each cell 1..12.
inline constexpr int kBrightStars = 21;
using BrightnessTable = std::array<std::array<std::string, 13>, kBrightStars + 1>;
BrightnessTable ReadBrightnessTable();

}  // namespace qm::ziwei
