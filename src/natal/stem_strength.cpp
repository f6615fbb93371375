// How strongly each of the ten stems is present in a chart, weighted by the season of the
// birth month: the counts, the weights and their shares, drawn as the strength table.
#include <numeric>
#include <string>

#include "base/failure.h"
#include "base/number_text.h"
#include "natal/chart_rules.h"
#include "natal/chart_tables.h"
#include "natal/early_steps.h"

namespace qm::natal {
namespace {

constexpr std::string_view kTableHead1 = "    天     次  權  月支   十星                ";
constexpr std::string_view kTableHead2 = "    干     數  數  進氣 力度 比重  五行 比重";
constexpr std::string_view kTableRule = "---------------------------------------------";

// The row of stem s and the line of element e in the strength table.
constexpr double StemRow(int s) { return s + 3; }
constexpr double ElementLine(int e) { return 3 + 2 * e; }

// Prints at a place of the strength table, moved as the layout says.
void PrintInTable(Chart& chart, double x, double y, std::string_view text) {
  const PrintPlace& shift = chart.layout.strengthTableShift;
  chart.canvas.PrintAt(x + shift.x, y + shift.y, text);
}

template <class T, std::size_t N>
T Total(const std::array<T, N>& values) {
  return std::accumulate(values.begin() + 1, values.end(), T{});
}

}  // namespace

void CountStems(Chart& chart) {
  chart.principalStemCount = {};
  chart.fullStemCount = {};
  chart.weightedStemCount = {};
  for (int i = 0; i < 4; ++i) {
    int stem = CheckedStem(chart.pillarList[i]);
    ++chart.principalStemCount[stem];
    ++chart.fullStemCount[stem];
    chart.weightedStemCount[stem] += 1;
  }
  for (int i = 0; i < 4; ++i) {
    int branch = CheckedBranch(chart.pillarList[i + 4]);
    const HiddenSlot& principal = chart.branchHiddenStems[branch][PrincipalHiddenSlot(branch) - 1];
    if (auto stem = StemFromText(CharOf(principal.text, 0))) ++chart.principalStemCount[*stem];
  }
  // Every slot counts, shown or not; a slot that names no stem adds nothing.
  for (const HiddenStemRecord& record : chart.pillarHiddenStems)
    for (const HiddenSlot& slot : record)
      if (auto stem = StemFromText(CharOf(slot.text, 0))) {
        ++chart.fullStemCount[*stem];
        chart.weightedStemCount[*stem] += TextToNumber(slot.weight);
      }
}

void ComputeStemWeights(Chart& chart) {
  chart.monthlyStemWeight = ReadMonthlyStemWeights();
  int monthBranch = CheckedBranch(chart.pillarList[5]);
  for (int s = 1; s <= 10; ++s)
    chart.stemWeight[s] =
        chart.weightedStemCount[s] * (1 + 0.5 * chart.monthlyStemWeight[s][monthBranch]);
  chart.totalStemWeight = Total(chart.stemWeight);

  PrintInTable(chart, 2, 2, kTableHead1);
  PrintInTable(chart, 2, 3, kTableHead2);
  for (int s = 1; s <= 10; ++s) {
    double y = StemRow(s);
    PrintInTable(chart, 5, y, FormatText(kStemNames[s], "@"));
    PrintInTable(chart, 11, y, FormatNumber(chart.principalStemCount[s], "0"));
    PrintInTable(chart, 13, y, FormatNumber(chart.fullStemCount[s], "0"));
    PrintInTable(chart, 15, y, FormatNumber(chart.weightedStemCount[s], "0.0"));
    PrintInTable(chart, 19, y, FormatNumber(chart.monthlyStemWeight[s][monthBranch], "0.0"));
    PrintInTable(chart, 23, y, FormatNumber(chart.stemWeight[s], "0.00"));
    if (chart.totalStemWeight == 0) throw Failure("天干力度合計為 0，無法計算比重");
    chart.stemShare[s] = chart.stemWeight[s] / chart.totalStemWeight * 100;
    PrintInTable(chart, 28, y, FormatNumber(chart.stemShare[s], "#0.0"));
  }
  PrintInTable(chart, 1, 14, kTableRule);
  PrintInTable(chart, 3, 15, "合計: ");
  PrintInTable(chart, 10, 15, FormatNumber(Total(chart.principalStemCount), "0"));
  PrintInTable(chart, 12, 15, FormatNumber(Total(chart.fullStemCount), "0"));
  PrintInTable(chart, 15, 15, FormatNumber(Total(chart.weightedStemCount), "0.0"));
  PrintInTable(chart, 22, 15, FormatNumber(chart.totalStemWeight, "#0.00"));
  for (int e = 1; e <= 5; ++e) {
    double share = (chart.stemWeight[2 * e - 1] + chart.stemWeight[2 * e]) / chart.totalStemWeight * 100;
    PrintInTable(chart, 32, ElementLine(e), kElementNames[e]);
    chart.canvas.Print(FormatNumber(share, "   #0.0"));
  }
}

void ComputeElementStates(Chart& chart) {
  for (int state = 1; state <= 5; ++state) {
    int element = kSeasonStateTable[chart.monthStateSeason][state];
    PrintInTable(chart, 34, ElementLine(element), kSeasonStateNames[state]);
  }
}

void ComputeStemListTenGods(Chart& chart) {
  for (int s = 1; s <= 10; ++s)
    PrintInTable(chart, 1, StemRow(s), TenGodName(s, chart.pillarList[2]));
}

}  // namespace qm::natal
