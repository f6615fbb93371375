#pragma once
// The months of the pillar calendar: the month-opening solar terms (節), the place of a month
// counted from 寅, and the stem of a month by 五虎遁.
#include <array>
#include <string_view>

#include "base/names.h"

namespace qm {

// The 節 of each Gregorian month, index 1..12; the 節 of month g opens the month of branch g + 1.
inline constexpr std::array<std::string_view, 13> kJieNames = {
    "", "小寒", "立春", "驚蟄", "清明", "立夏", "芒種", "小暑", "立秋", "白露", "寒露", "立冬", "大雪"};

// The branch of the month opened by the 節 of Gregorian month g: January's 小寒 opens 丑,
// December's 大雪 子.
constexpr int BranchOfJieMonth(int jieMonth) { return NextBranch(jieMonth, 1); }

// A month counted from 寅: 寅 1, 卯 2, ..., 子 11, 丑 12; and the branch of a position.
constexpr int MonthPosition(int branch) { return Cycle(branch - 2, 12); }
constexpr int MonthPositionBranch(int position) { return Cycle(position + 2, 12); }

// 五虎遁: the stem of the 寅 month for each year stem (甲己 丙, 乙庚 戊, 丙辛 庚, 丁壬 壬, 戊癸 甲).
inline constexpr std::array<int, 11> kTigerMonthStem = {0, 3, 5, 7, 9, 1, 3, 5, 7, 9, 1};

// The stem of the month of a branch in a year of a stem: each month after 寅 one stem further,
// so a 甲 year's 卯 month is 丁卯 and its 丑 month 丁丑. Throws qm::Failure for a stem outside
// 1..10.
int MonthStemRule(int yearStem, int monthBranch);

}  // namespace qm
