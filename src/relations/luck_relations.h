#pragma once
// The relation list beside the seven-column chart of the luck window.
#include <array>

#include "ui/window.h"

namespace qm::relations {

// Writes the relations among the seven pillars 年 月 日 時 運 歲 流月, one line each, at X = 23
// from Y = 2 down, in the target's current scale and without clearing it: the clashes of whole
// pillars, the combinations, then the punishments, clashes, harms and breaks of the branches.
// The list holds 23 lines; further relations are left out.
// stemsThenBranches: the seven stems (0..10), then the seven branches (0..12) in pillar order;
// 0 is none and takes part in no relation. A number outside those ranges throws qm::Failure
// before anything is written.
void PrintLuckRelations(ui::Window& target, const std::array<int, 14>& stemsThenBranches);

}  // namespace qm::relations
