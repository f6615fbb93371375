#pragma once
// The steps of the seven-column chart that only the luck window has, each placing what the
// shared rules give: the own-seat stage of each column beside its ten god and the stage letters
// of the ten stems at the branches of 運, 歲 and 流月.
#include <array>
#include <cstddef>

#include "natal/chart_rules.h"
#include "ui/canvas.h"

namespace qm::luck {

// The x of column k (0 年 .. 6 流月): 77, 70, 63, 56, 49, 42, 35.
constexpr double ColumnX(std::size_t k) { return 77 - 7 * static_cast<double>(k); }

// Each column but the day's: the stage of its own stem at its own branch, with 臨官 for the
// fourth, beside its ten god at (x + 2, 2.3) and (x + 2, 3.3). A column without a pillar has none.
void ComputeOwnSeatStages(ui::Canvas& canvas, const natal::StageTable& stages,
                          const std::array<int, 7>& stems, const std::array<int, 7>& branches);

// For each stem, the letter of its stage at the branches of 運, 歲 and 流月 at x = 8, 11 and 14
// of its row s + 3: in a 亥 year 甲 stands in 長生, 生 at (11, 4). A missing 運 leaves its
// letter column empty.
void PrintStageLetters(ui::Canvas& canvas, const natal::StageTable& stages,
                       const std::array<int, 7>& branches);

}  // namespace qm::luck
