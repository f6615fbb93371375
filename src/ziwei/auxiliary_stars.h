#pragma once
// The auxiliary stars that follow the main stars: 文昌 文曲 by the hour, 火星 鈴星 by year
// branch and hour from their tables, 祿存 擎羊 陀羅, 左輔 右弼 by the month, and 天魁 天鉞
// 天官 天福 by the year stem.
#include "ziwei/ziwei_chart.h"

namespace qm::ziwei {

// Places the stars 15 .. 27 in their order; reads 火星.DAT and 鈴星.DAT on the way.
void PlaceAuxiliaryStars(ZiWeiChart& chart);

}  // namespace qm::ziwei
