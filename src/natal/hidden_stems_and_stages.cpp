// The hidden stems of the column branches, the ten gods of the stems against the day stem and
// the twelve stages of the day stem at the column branches.
#include <string>

#include "natal/chart_steps.h"
#include "natal/chart_tables.h"

namespace qm::natal {
namespace {

// Prints a two-character word down a column: its first character at row y, its last below.
void PrintDown(Chart& chart, double x, double y, std::string_view word) {
  chart.canvas.PrintAt(x, y, CharOf(word, 0));
  chart.canvas.PrintAt(x, y + 1, LastChars(word, 1));
}

// Calls show(slot, x) for each shown hidden-stem slot of a column, at the slot's x.
template <class Show>
void ForShownSlots(const Chart& chart, const ChartColumn& column, Show show) {
  int count = HiddenStemCount(column.pillar.branch);
  const HiddenStemRecord& record = HiddenStemsOf(chart.branchHiddenStems, column.pillar.branch);
  for (int slot = 0; slot < count; ++slot) show(record[slot], column.x + kHiddenSlotOffsets[count][slot]);
}

// The day column shows 命 over 主 where the others show their ten god.
bool IsDayColumn(const Chart& chart, const ChartColumn& column) {
  return &column == &chart.Columns()[2];
}

}  // namespace

void ComputeHiddenStems(Chart& chart) {
  chart.branchHiddenStems = ReadHiddenStemTable();
  const ChartLayout::Rows& rows = chart.layout.rows;
  for (const ChartColumn& column : chart.Columns())
    ForShownSlots(chart, column, [&](const HiddenSlot& slot, double x) {
      chart.canvas.PrintAt(x, rows.hiddenStems, CharOf(slot.text, 0));
      if (rows.hiddenStemLastChar) chart.canvas.PrintAt(x, *rows.hiddenStemLastChar, LastChars(slot.text, 1));
      if (rows.hiddenStemWeight) chart.canvas.PrintAt(x, *rows.hiddenStemWeight, LastChars(slot.weight, 2));
    });
}

// The ten god of every column's stem but the day's, then the day mark.
void ComputeTenGods(Chart& chart) {
  int dayStem = chart.Day().stem;
  double row = chart.layout.rows.tenGod;
  for (const ChartColumn& column : chart.Columns())
    if (!IsDayColumn(chart, column)) PrintDown(chart, column.x, row, TenGodName(column.pillar.stem, dayStem));
  PrintDown(chart, chart.Columns()[2].x, row, "命主");
}

void ComputeHiddenStemTenGods(Chart& chart) {
  int dayStem = chart.Day().stem;
  for (const ChartColumn& column : chart.Columns())
    ForShownSlots(chart, column, [&](const HiddenSlot& slot, double x) {
      // A slot that names no stem has no ten god.
      if (auto stem = StemFromText(CharOf(slot.text, 0)))
        PrintDown(chart, x, chart.layout.rows.hiddenTenGods, TenGodName(*stem, dayStem));
    });
}

// The day stem's stage at each column branch, found in the stem's row of the stage table; its
// state stands in parentheses above it. 甲 at 卯 is 帝旺, shown (相) 帝 旺.
void ComputeTwelveStages(Chart& chart) {
  chart.stageBranchTable = ReadStageBranchTable();
  const ChartLayout::Rows& rows = chart.layout.rows;
  for (const ChartColumn& column : chart.Columns()) {
    int stage = StageAt(chart.stageBranchTable, chart.Day().stem, column.pillar.branch);
    if (rows.stageState)
      chart.canvas.PrintAt(column.x - 1, *rows.stageState, "(" + std::string(kDayStageStates[stage]) + ")");
    PrintDown(chart, column.x, rows.stageWord, kLifeStageWords[stage]);
  }
  if (const auto& at = chart.layout.seasonLabel)
    chart.canvas.PrintAt(at->x, at->y, SeasonLabel(chart.Month().branch));
}

}  // namespace qm::natal
