#pragma once
// The symbolic stars (神煞) of the luck window, written as a grid under its seven columns.
#include <array>
#include <string_view>

#include "ui/window.h"

namespace qm::stars {

// Writes on the target's canvas, in its current scale and without clearing it, the 32 stars of
// the natal grid that also reach the flowing pillars, in the natal order and with the natal
// keys, under the seven columns 年 77, 月 70, 日 63, 時 56, 運 49, 歲 42, 流月 35 (rows 11 to
// 18). The 年 column has nine slots, the others ten; a full column leaves out further stars of
// that column and the call never fails.
// stemsThenBranches: the seven stems (1..10), then the seven branches (1..12) in column order;
// any other number is none and matches no star. No star of this grid depends on the sex.
void PrintLuckStars(ui::Window& target, const std::array<int, 14>& stemsThenBranches,
                    std::string_view sexCode);

}  // namespace qm::stars
