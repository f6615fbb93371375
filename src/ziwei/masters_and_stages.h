#pragma once
// The last steps of the Zi Wei side of the chart: the masters of the chart, the brightness of
// the main and auxiliary stars, the twelve stages of the bureau and the mark of the body palace.
#include "ziwei/ziwei_chart.h"
#include "ziwei/ziwei_files.h"

namespace qm::ziwei {

// "命主:" and "身主:" with their stars, above the grid.
void PrintPalaceMasters(ZiWeiChart& chart);
// The word of the table under each of the stars 1 .. 21.
void PrintStarBrightness(ZiWeiChart& chart, const BrightnessTable& table);
// 長生 .. 養 of the bureau, one in every cell.
void PrintPalaceStages(ZiWeiChart& chart);
// "(身宮)" beside the name of the body palace's cell.
void MarkBodyPalace(ZiWeiChart& chart);

}  // namespace qm::ziwei
