#pragma once
// The relation list beside a natal chart.
#include <array>

#include "ui/window.h"

namespace qm::relations {

// Writes the relations among the four pillars, one line each, at X = 43 from Y = 2 down, in
// the target's current scale and without clearing it: the roots of the stems, the clashes of
// whole pillars, the combinations, the punishments, clashes, harms and breaks of the branches
// and the clashes within a pillar. The list holds 20 lines; further relations are left out.
// stemsThenBranches: year, month, day, hour stem (0..10), then year, month, day, hour branch
// (0..12); 0 is none. A number outside those ranges throws qm::Failure before anything is
// written.
void PrintPillarRelations(ui::Window& target, const std::array<int, 8>& stemsThenBranches);

}  // namespace qm::relations
