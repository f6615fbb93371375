#pragma once
// The decade ranges of the palaces and the fourteen main stars: the 紫微 group from KING.DAT
// and the 天府 group mirrored from it.
#include "ziwei/ziwei_chart.h"
#include "ziwei/ziwei_files.h"

namespace qm::ziwei {

void DrawDecadeRanges(ZiWeiChart& chart);
// Places 紫微 天機 太陽 武曲 天同 廉貞 in slot 1 of their cells; returns the cell of 紫微.
int PlaceZiWeiGroup(ZiWeiChart& chart, const ZiWeiPositionTable& table);
// Places 天府 太陰 貪狼 巨門 天相 天梁 七殺 破軍 in the next free slots.
void PlaceTianFuGroup(ZiWeiChart& chart, int ziWeiCell);

}  // namespace qm::ziwei
