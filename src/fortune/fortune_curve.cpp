#include "fortune/fortune_curve.h"

#include <algorithm>
#include <string>

#include "base/names.h"
#include "base/number_text.h"
#include "natal/chart_rules.h"
#include "base/utf8.h"

namespace qm::fortune {
namespace {

constexpr double kPlotLeft = 10, kPlotRight = 100, kPlotBottom = -7, kPlotTop = 93;
constexpr double kTextWidth = 81, kCurveWidth = 107;

// The legend's rows: each role's label beside its first choice, blanks beside its second.
constexpr std::array<std::string_view, kRoleCount> kRoleLabels = {"用:", "喜:", "閒:", "仇:", "忌:"};
constexpr double kLegendFirstRow = 3;

// The rows of a year's labels under the frame.
constexpr double kAgeRow = 14, kRocYearRow = 15, kStemGodRow = 16, kStemRow = 18.2;
constexpr double kBranchRow = 19.2, kBranchGodRow = 20.5;

// A chosen kind shows as the stem of the same number (燥土 as 戊, 溼土 as 己); no choice shows
// nothing.
std::string_view ChoiceText(int kind) { return kind >= 1 && kind <= 10 ? kStemNames[kind] : ""; }

void PrintLegend(ui::Canvas& canvas, const RoleChoices& choices) {
  for (int role = 0; role < kRoleCount; ++role) {
    const double row = kLegendFirstRow + 2 * role;
    canvas.PrintAt(1, row, std::string(kRoleLabels[role]) + std::string(ChoiceText(choices[role][0])));
    canvas.PrintAt(1, row + 1, "   " + std::string(ChoiceText(choices[role][1])));
  }
}

// A two-character word printed down a column, one character per row.
void PrintDown(ui::Canvas& canvas, double x, double y, std::string_view word) {
  canvas.PrintAt(x, y, CharOf(word, 0));
  canvas.PrintAt(x, y + 1, CharOf(word, 1));
}

void PrintYearLabels(ui::Canvas& canvas, const FortuneTexts& texts) {
  const int span = texts.window.Span();
  for (int j = 1; j <= span + 1; j += YearLabelStep(span)) {
    const double x = GridX(j, span) * kTextWidth / kCurveWidth;
    const int age = texts.window.first + j - 1;
    const Pillar& year = texts.yearPillars[age];
    canvas.PrintAt(x, kAgeRow, FormatNumber(age, "#00"));
    canvas.PrintAt(x, kRocYearRow, FormatNumber(texts.birthYear + age - 1, "#00"));
    PrintDown(canvas, x, kStemGodRow, YearStemTenGod(year.stem, texts.dayStem));
    canvas.PrintAt(x, kStemRow, StemText(year.stem));
    canvas.PrintAt(x, kBranchRow, BranchText(year.branch));
    PrintDown(canvas, x, kBranchGodRow, YearBranchTenGod(year.branch, texts.dayStem));
  }
}

}  // namespace

int YearLabelStep(int span) {
  if (span >= 72) return 4;
  if (span >= 53) return 3;
  if (span >= 30) return 2;
  return 1;
}

double GridX(int j, int span) { return kPlotLeft + (j - 1) * 90.0 / (span + 1); }

void DrawFortuneFrame(ui::Canvas& canvas) {
  canvas.Cls();
  canvas.SetScale(0, 100, kCurveWidth, -94);
  canvas.drawWidth = 2;
  canvas.drawStyle = kSolid;
  canvas.Box(kPlotLeft, kPlotBottom, kPlotRight, kPlotTop, kFrameColour);
}

void DrawFortuneCurve(ui::Canvas& canvas, const std::vector<double>& before) {
  if (before.empty()) return;
  const auto [low, high] = std::minmax_element(before.begin(), before.end());
  const double min = *low, range = *high - *low;
  const double n = static_cast<double>(before.size());
  auto x = [&](std::size_t i) { return kPlotLeft + static_cast<double>(i) * 90 / n; };
  auto y = [&](std::size_t i) {
    return kPlotBottom + (range == 0 ? 50 : (before[i - 1] - min) * 100 / range);
  };
  canvas.drawStyle = kSolid;
  canvas.Point(x(1), y(1), canvas.foreColor);
  for (std::size_t i = 2; i <= before.size(); ++i)
    canvas.Line(x(i - 1), y(i - 1), x(i), y(i), canvas.foreColor);
}

void DrawYearGrid(ui::Canvas& canvas, int span) {
  canvas.drawStyle = kDotted;
  for (int j = 1; j <= span + 1; j += YearLabelStep(span))
    canvas.Line(GridX(j, span), kPlotBottom, GridX(j, span), kPlotTop, kYearGridColour);
}

void PrintFortuneTexts(ui::Canvas& canvas, const FortuneTexts& texts) {
  canvas.SetScale(0, 0, kTextWidth, 24.5);
  PrintLegend(canvas, texts.choices);
  canvas.PrintAt(42, 0, "流年(" + ItemNumber(texts.window.first) + "-" +
                            ItemNumber(texts.window.last) + ")歲");
  canvas.PrintAt(62, 0, "本命屬:" + DayMasterText(texts.dayStem));
  canvas.PrintAt(1, kAgeRow, "年齡:" + std::string(79, ' '));
  canvas.PrintAt(1, kRocYearRow, "民國:" + std::string(79, ' '));
  PrintYearLabels(canvas, texts);
}

}  // namespace qm::fortune
