#pragma once
// The hexagram chart: the draw step of the hexagram window, as a sequence of printing steps over
// the rules of hexagram_rules.h.
#include <optional>

#include "calendar/calendar.h"
#include "hexagram/divination_time.h"
#include "hexagram/hexagram_rules.h"
#include "ui/canvas.h"

namespace qm::hexagram {

// How the window got its time (CASEA).
enum InputMode { kCurrentTime = 1, kTypedDate = 2, kRecordFile = 3, kStemsAndBranches = 4 };

// What a drawing reads of the window.
struct ChartInputs {
  LineCodes lines;
  int inputMode = kCurrentTime;
  DivinationTime time;  // input modes 1 to 3
  Pillars entered;      // input mode 4: 古Y1 .. 古H2, 0 where nothing was chosen
};

// What the steps of one drawing share.
struct HexagramChart {
  ChartInputs in;
  std::optional<LunarDate> lunar;
  Pillars pillars;
  Hexagram primary, changed;
  SixLines primaryRelatives{};
};

// The whole chart on the canvas. The calendar is read before the canvas is cleared, so a time
// the calendar cannot serve throws qm::Failure and leaves the previous chart as it stood.
// Returns the chart for the window's closing message.
HexagramChart DrawHexagramChart(ui::Canvas& canvas, const ChartInputs& in);

// The steps, in drawing order.
HexagramChart ChartSource(const ChartInputs& in);  // lunar date, pillars, both hexagrams
void PrintFrame(ui::Canvas& canvas);
void PrintDateHeader(ui::Canvas& canvas, const HexagramChart& chart);
void PrintColumnHeader(ui::Canvas& canvas);
void PrintLines(ui::Canvas& canvas, const HexagramChart& chart);
void PrintPrimaryPalace(ui::Canvas& canvas, const HexagramChart& chart);
void PrintHexagramBody(ui::Canvas& canvas, const HexagramChart& chart);
void PrintChangedPalace(ui::Canvas& canvas, const HexagramChart& chart);
void PrintNajia(ui::Canvas& canvas, const HexagramChart& chart);
void PrintClashAndHarmony(ui::Canvas& canvas, const HexagramChart& chart);
void PrintReversedAndHidden(ui::Canvas& canvas, const HexagramChart& chart);
void PrintSixRelatives(ui::Canvas& canvas, HexagramChart& chart);
void PrintHiddenSpirits(ui::Canvas& canvas, const HexagramChart& chart);
void PrintSixBeasts(ui::Canvas& canvas, const HexagramChart& chart);
void PrintVoidMarks(ui::Canvas& canvas, const HexagramChart& chart);
void PrintSeasonalStates(ui::Canvas& canvas, const HexagramChart& chart);
void PrintMonthBreak(ui::Canvas& canvas, const HexagramChart& chart);
void PrintLifeStagesAndVoid(ui::Canvas& canvas, const HexagramChart& chart);
void PrintDayClash(ui::Canvas& canvas, const HexagramChart& chart);
void PrintAdvanceRetreat(ui::Canvas& canvas, const HexagramChart& chart);
void PrintPillarsInBox(ui::Canvas& canvas, const HexagramChart& chart);
void PrintElementCounts(ui::Canvas& canvas, const HexagramChart& chart);
void PrintDayStars(ui::Canvas& canvas, const HexagramChart& chart);
void PrintStarGrid(ui::Canvas& canvas, const HexagramChart& chart);

// The row of line k (0 = line 1): line 1 on row 22, line 6 on row 17.
constexpr double LineRow(int k) { return 22 - k; }

}  // namespace qm::hexagram
