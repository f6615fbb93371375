// The hidden stems of the pillar branches, the ten gods of the stems against the day stem and
// the twelve stages of the day stem at the pillar branches.
#include <string>

#include "natal/chart_rules.h"
#include "natal/chart_tables.h"
#include "natal/early_steps.h"

namespace qm::natal {
namespace {

// Prints a two-character word down a column: its first character at row y, its last below.
void PrintDown(Chart& chart, double x, double y, std::string_view word) {
  chart.canvas.PrintAt(x, y, CharOf(word, 0));
  chart.canvas.PrintAt(x, y + 1, LastChars(word, 1));
}

// Calls show(slot, x) for each shown hidden-stem slot of pillar i, at the slot's column.
template <class Show>
void ForShownSlots(const Chart& chart, int i, Show show) {
  int count = kHiddenStemCount[CheckedBranch(chart.pillarList[i + 4])];
  for (int slot = 0; slot < count; ++slot)
    show(chart.pillarHiddenStems[i][slot], chart.layout.columns[i] + kHiddenSlotOffsets[count][slot]);
}

}  // namespace

void ComputeHiddenStems(Chart& chart) {
  chart.branchHiddenStems = ReadHiddenStemTable();
  for (int i = 0; i < 4; ++i)
    chart.pillarHiddenStems[i] = chart.branchHiddenStems[CheckedBranch(chart.pillarList[i + 4])];
  double row = chart.layout.rows.hiddenStems;
  for (int i = 0; i < 4; ++i)
    ForShownSlots(chart, i, [&](const HiddenSlot& slot, double x) {
      chart.canvas.PrintAt(x, row, CharOf(slot.text, 0));
      chart.canvas.PrintAt(x, row + 1, LastChars(slot.text, 1));
      chart.canvas.PrintAt(x, row + 2, LastChars(slot.weight, 2));
    });
}

void ComputeTenGods(Chart& chart) {
  int dayStem = chart.pillarList[2];
  for (int i : {0, 1, 3})
    PrintDown(chart, chart.layout.columns[i], chart.layout.rows.tenGod,
              TenGodName(chart.pillarList[i], dayStem));
  PrintDown(chart, chart.layout.columns[2], chart.layout.rows.tenGod, "命主");
}

void ComputeHiddenStemTenGods(Chart& chart) {
  int dayStem = chart.pillarList[2];
  for (int i = 0; i < 4; ++i)
    ForShownSlots(chart, i, [&](const HiddenSlot& slot, double x) {
      // A slot that names no stem has no ten god.
      if (auto stem = StemFromText(CharOf(slot.text, 0)))
        PrintDown(chart, x, chart.layout.rows.hiddenTenGods, TenGodName(*stem, dayStem));
    });
}

// The day stem's stage at each pillar branch, found in the stem's row of the stage table; its
// state stands in parentheses above it. 甲 at 卯 is 帝旺, shown (相) 帝 旺.
void ComputeTwelveStages(Chart& chart) {
  chart.stageBranchTable = ReadStageBranchTable();
  const ChartLayout& at = chart.layout;
  for (int i = 0; i < 4; ++i) {
    int stage = StageAt(chart.stageBranchTable, chart.pillarList[2], chart.pillarList[i + 4]);
    chart.canvas.PrintAt(at.columns[i] - 1, at.rows.stageState,
                         "(" + std::string(kDayStageStates[stage]) + ")");
    PrintDown(chart, at.columns[i], at.rows.stageWord, kLifeStageWords[stage]);
  }
  chart.canvas.PrintAt(at.seasonLabel.x, at.seasonLabel.y, SeasonLabel(chart.pillarList[5]));
}

}  // namespace qm::natal
