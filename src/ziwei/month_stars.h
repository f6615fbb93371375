#pragma once
// The four transformations of the year stem, 截空 and the six month stars.
#include "ziwei/ziwei_chart.h"

namespace qm::ziwei {

// Writes 祿 權 科 忌 under the stars that the year stem transforms; takes no slot.
void MarkFourTransformations(ZiWeiChart& chart);
// Places 截空, then 天刑 天姚 天馬 天巫 天月 陰煞.
void PlaceJieKongAndMonthStars(ZiWeiChart& chart);

}  // namespace qm::ziwei
