#pragma once
// The stems and branches as table marks, so that the star tables read as the almanac writes
// them: 卯 asks for the branch 卯, P(丁, 酉) for the whole pillar 丁酉, 無 is an empty entry.
#include "stars/star_rule.h"

namespace qm::stars {

inline constexpr Mark 無{};

inline constexpr Mark 甲{1, 0}, 乙{2, 0}, 丙{3, 0}, 丁{4, 0}, 戊{5, 0}, 己{6, 0}, 庚{7, 0},
    辛{8, 0}, 壬{9, 0}, 癸{10, 0};

inline constexpr Mark 子{0, 1}, 丑{0, 2}, 寅{0, 3}, 卯{0, 4}, 辰{0, 5}, 巳{0, 6}, 午{0, 7},
    未{0, 8}, 申{0, 9}, 酉{0, 10}, 戌{0, 11}, 亥{0, 12};

constexpr Mark P(Mark stem, Mark branch) { return {stem.stem, branch.branch}; }

}  // namespace qm::stars
