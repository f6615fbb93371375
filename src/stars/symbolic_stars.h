#pragma once
// The symbolic stars (神煞) of a natal chart, written as a grid under its four pillars, with its
// conception and breath pillars.
#include <array>
#include <string_view>

#include "ui/window.h"

namespace qm::stars {

// Writes on the target's canvas, in its current scale and without clearing it, every star of
// the four pillars in the next free of eleven slots under its pillar's column (x = 77 year, 70
// month, 63 day, 56 hour), one character per row, and then "胎元:" with the conception pillar at
// (3, 24) and "胎息:" with the breath pillar at (12, 24). A column with eleven stars leaves out
// further stars of that column; the call never fails.
// stemsThenBranches: year, month, day, hour stem (1..10), then year, month, day, hour branch
// (1..12); any other number is none and matches no star. sexCode: "M"/"m" male, "F"/"f" female;
// any other code gets only the stars for either sex.
void PrintSymbolicStars(ui::Window& target, const std::array<int, 8>& stemsThenBranches,
                        std::string_view sexCode);

}  // namespace qm::stars
