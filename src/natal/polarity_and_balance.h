#pragma once
// The polarity of the natal stems, the stage pairs, and the built-in yin-yang scores of the
// pillars with their balance weighted by the season of the birth month.
#include <array>
#include <span>
#include <string_view>

#include "base/pillar.h"
#include "natal/chart_rules.h"

namespace qm::natal {

// "純陽" when the four stems are all yang, "純陰" when all yin, empty otherwise.
std::string_view PurePolarity(std::span<const Pillar, 4> natal);

// The seven stage pairs in their printed order, each the stage of a natal stem at a natal
// branch (0 when the stem's row lacks the branch): year branch-year stem, month-month,
// hour-hour, month branch-hour stem, hour branch-month stem, month branch-year stem, hour
// branch-year stem. 甲 at a 亥 branch is 長生.
std::array<int, 7> PairStages(std::span<const Pillar, 4> natal, const StageTable& stages);

// One of the eight scores, stems first, and whether it is in the season of the month branch.
struct BalanceItem {
  int score = 0;
  bool inSeason = false;
};
using BalanceItems = std::array<BalanceItem, 8>;

// 甲 3, 丙 7, 子 -7, 巳 7 ...; a stem or branch is in season when it belongs to the month
// branch's group (寅卯未 with 甲乙, 巳午戌 with 丙丁, 申酉丑 with 庚辛, 亥子辰 with 壬癸).
BalanceItems PillarScores(std::span<const Pillar, 4> natal);

// 1.2 × the scores in season + the others.
double YinYangBalance(const BalanceItems& items);

}  // namespace qm::natal
