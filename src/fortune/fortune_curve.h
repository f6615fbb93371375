#pragma once
// The picture of the fortune window: the frame, the curve of the cumulative score over the
// months of the window, the dotted year grid, the legend of the roles and, under the frame, a
// column of labels for every labelled year. The curve is drawn in curve coordinates, x 0..107
// and y 100 (top) .. -94 (bottom), inside the plot box (10, -7)..(100, 93); the texts in text
// coordinates, x 0..81 and y 0..24.5.
#include <array>
#include <vector>

#include "fortune/fortune_score.h"
#include "ui/canvas.h"

namespace qm::fortune {

inline constexpr ui::Colour kFrameColour = 0x007F7F00;  // RGB(0, 127, 127)
inline constexpr ui::Colour kYearGridColour = 0x00008888;
inline constexpr int kSolid = 0, kDotted = 2;

// YearLabelStep: every year up to a span of 29, then every 2nd, 3rd from 53, 4th from 72.
int YearLabelStep(int span);

// GX: the x of the start of the j-th age (1-based) of a window of the given span.
double GridX(int j, int span);

// Clears the canvas, sets the curve coordinates and draws the frame, solid, with line width 2.
void DrawFortuneFrame(ui::Canvas& canvas);

// FortuneCurve: the values before each month scaled to the plot box, lowest on its bottom edge
// and highest on its top edge, the point of month i at x = 10 + 90 i / N; a point at the first
// month, then a solid line to each next one. All values equal give a flat line at mid-height.
void DrawFortuneCurve(ui::Canvas& canvas, const std::vector<double>& before);

// The dotted vertical line at the start of every labelled year, the first on the frame's edge.
void DrawYearGrid(ui::Canvas& canvas, int span);

// What the texts under and beside the curve show.
struct FortuneTexts {
  RoleChoices choices{};
  FortuneWindow window;
  int birthYear = 0;
  int dayStem = 0;
  std::array<Pillar, kLastAge + 1> yearPillars{};
};

// Switches to the text coordinates and prints the legend of the roles, the age range, the day
// master and the labels of every labelled year: age, RocYear, the ten god of the year stem, the
// year pillar and the ten god of the year branch.
void PrintFortuneTexts(ui::Canvas& canvas, const FortuneTexts& texts);

}  // namespace qm::fortune
