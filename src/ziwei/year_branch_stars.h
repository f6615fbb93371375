#pragma once
// The stars of the year branch, and the stars counted by the birth day, the palaces, the hour
// and the year branch.
#include "ziwei/ziwei_chart.h"

namespace qm::ziwei {

// 紅鸞 天喜 天哭 天虛 孤辰 寡宿, then 解神 龍池 鳳閣 蜚廉 破碎.
void PlaceYearBranchStars(ZiWeiChart& chart);
// 三台 八座 天傷 天使 天壽 恩光 天貴 台輔 封誥 天空 地劫 天才.
void PlaceCountedStars(ZiWeiChart& chart);

}  // namespace qm::ziwei
