#include "hexagram/hexagram_chart.h"

#include <string>

#include "base/number_text.h"

namespace qm::hexagram {
namespace {

// One text line of the window's font (225 twips) in rows of the chart's scale (261.7 twips):
// where a print lands that follows a finished line without a new position.
constexpr double kTextLineRows = 0.86;

// The last two characters of a number's text with one leading blank: 4 -> " 4", 15 -> "15".
std::string LastTwoOfSigned(int n) {
  const std::string text = RecordNumber(n);
  return text.size() > 2 ? text.substr(text.size() - 2) : text;
}

Pillars PillarsOfChart(const ChartInputs& in) {
  if (in.inputMode == kStemsAndBranches) return in.entered;
  const DivinationTime& t = in.time;
  return ComputePillars(t.year, t.month, t.day, t.hour, t.minute);
}

}  // namespace

HexagramChart ChartSource(const ChartInputs& in) {
  HexagramChart chart;
  chart.in = in;
  if (in.inputMode != kStemsAndBranches)
    chart.lunar = SolarToLunar(in.time.year, in.time.month, in.time.day);
  chart.pillars = PillarsOfChart(in);
  const LineFlags flags = LineFlagsOf(in.lines);
  chart.primary = HexagramOf(flags.primary);
  chart.changed = HexagramOf(flags.changed);
  return chart;
}

// The pillar box reaches one character past the year pillar at x 57: fourteen characters wide
// inside, its right side ran through the year's stem and branch.
void PrintFrame(ui::Canvas& canvas) {
  constexpr int kInnerWidth = 15;  // characters
  canvas.Cls();
  canvas.SetScale(0, 1.7, 84, 33);
  std::string rule;
  for (int i = 0; i < kInnerWidth; ++i) rule += "─";
  canvas.PrintAt(33, 3, "┌" + rule + "┐");
  const std::string side = "│" + std::string(2 * kInnerWidth, ' ') + "│";
  for (int y = 4; y <= 11; ++y) canvas.PrintAt(33, y, side);
  canvas.PrintAt(33, 12, "└" + rule + "┘");
}

void PrintDateHeader(ui::Canvas& canvas, const HexagramChart& chart) {
  if (chart.in.inputMode == kStemsAndBranches) return;
  const DivinationTime& t = chart.in.time;
  canvas.PrintAt(1, 2, "陽曆" + ItemNumber(t.year) + "/" + LastDigits(t.month, 2) + "/" +
                           LastDigits(t.day, 2) + " " + LastDigits(t.hour, 2) + ":" +
                           LastDigits(t.minute, 2) + " 占");
  if (!chart.lunar) return;
  const LunarDate& lunar = *chart.lunar;
  canvas.PrintAt(1, 3, "陰曆" + RecordNumber(lunar.year) + "/" +
                           LastTwoOfSigned(static_cast<int>(lunar.month)) + "/" +
                           LastTwoOfSigned(lunar.day));
  if (lunar.leapFlag == "1") canvas.PrintAt(0, 3 + kTextLineRows, "(閏)");
}

void PrintColumnHeader(ui::Canvas& canvas) {
  canvas.PrintAt(1, 14, "〔六獸〕 〔伏神〕" + std::string(9, ' ') + "〔本卦〕" +
                            std::string(32, ' ') + "〔變卦〕");
}

HexagramChart DrawHexagramChart(ui::Canvas& canvas, const ChartInputs& in) {
  HexagramChart chart = ChartSource(in);
  PrintFrame(canvas);
  PrintDateHeader(canvas, chart);
  PrintColumnHeader(canvas);
  PrintLines(canvas, chart);
  PrintPrimaryPalace(canvas, chart);
  PrintHexagramBody(canvas, chart);
  PrintChangedPalace(canvas, chart);
  PrintNajia(canvas, chart);
  PrintClashAndHarmony(canvas, chart);
  PrintReversedAndHidden(canvas, chart);
  PrintSixRelatives(canvas, chart);
  PrintHiddenSpirits(canvas, chart);
  PrintSixBeasts(canvas, chart);
  PrintVoidMarks(canvas, chart);
  PrintSeasonalStates(canvas, chart);
  PrintMonthBreak(canvas, chart);
  PrintLifeStagesAndVoid(canvas, chart);
  PrintDayClash(canvas, chart);
  PrintAdvanceRetreat(canvas, chart);
  PrintPillarsInBox(canvas, chart);
  PrintElementCounts(canvas, chart);
  PrintDayStars(canvas, chart);
  PrintStarGrid(canvas, chart);
  return chart;
}

}  // namespace qm::hexagram
