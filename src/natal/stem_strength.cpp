// How strongly each of the ten stems is present in a chart, weighted by the season of the
// birth month: the counts, the weights and their shares, drawn as the strength table.
#include "natal/stem_strength.h"

#include <numeric>
#include <string>

#include "base/failure.h"
#include "base/number_text.h"
#include "natal/chart_steps.h"
#include "natal/chart_tables.h"

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

StemCounts CountStemsOf(std::span<const Pillar, 4> natal, const HiddenStemTable& hidden) {
  StemCounts counts;
  for (const Pillar& pillar : natal) {
    int stem = CheckedStem(pillar.stem);
    ++counts.principal[stem];
    ++counts.full[stem];
    counts.weighted[stem] += 1;
  }
  for (const Pillar& pillar : natal) {
    const HiddenSlot& principal = HiddenStemsOf(hidden, pillar.branch)[PrincipalHiddenSlot(pillar.branch) - 1];
    if (auto stem = StemFromText(CharOf(principal.text, 0))) ++counts.principal[*stem];
  }
  // Every slot counts, shown or not; a slot that names no stem adds nothing.
  for (const Pillar& pillar : natal)
    for (const HiddenSlot& slot : HiddenStemsOf(hidden, pillar.branch))
      if (auto stem = StemFromText(CharOf(slot.text, 0))) {
        ++counts.full[*stem];
        counts.weighted[*stem] += TextToNumber(slot.weight);
      }
  return counts;
}

double StemWeights::StemShare(int stem) const {
  if (total == 0) throw Failure("天干力度合計為 0，無法計算比重");
  return weight[CheckedStem(stem)] / total * 100;
}

double StemWeights::ElementShare(int element) const {
  if (total == 0) throw Failure("天干力度合計為 0，無法計算比重");
  return (weight[CheckedStem(2 * element - 1)] + weight[CheckedStem(2 * element)]) / total * 100;
}

StemWeights WeighStems(const StemCounts& counts, const MonthlyStemWeights& monthly, int monthBranch) {
  StemWeights weights;
  int branch = CheckedBranch(monthBranch);
  for (int s = 1; s <= 10; ++s) weights.weight[s] = counts.weighted[s] * (1 + 0.5 * monthly[s][branch]);
  weights.total = Total(weights.weight);
  return weights;
}

void CountStems(Chart& chart) {
  chart.stemCounts = CountStemsOf(chart.NatalPillars(), chart.branchHiddenStems);
}

void WeighChartStems(Chart& chart) {
  chart.monthlyStemWeight = ReadMonthlyStemWeights();
  chart.stemWeights = WeighStems(chart.stemCounts, chart.monthlyStemWeight, chart.Month().branch);
}

void ComputeStemWeights(Chart& chart) {
  WeighChartStems(chart);
  int monthBranch = chart.Month().branch;
  const StemCounts& counts = chart.stemCounts;
  const StemWeights& weights = chart.stemWeights;
  PrintInTable(chart, 2, 2, kTableHead1);
  PrintInTable(chart, 2, 3, kTableHead2);
  for (int s = 1; s <= 10; ++s) {
    double y = StemRow(s);
    PrintInTable(chart, 5, y, FormatText(kStemNames[s], "@"));
    PrintInTable(chart, 11, y, FormatNumber(counts.principal[s], "0"));
    PrintInTable(chart, 13, y, FormatNumber(counts.full[s], "0"));
    PrintInTable(chart, 15, y, FormatNumber(counts.weighted[s], "0.0"));
    PrintInTable(chart, 19, y, FormatNumber(chart.monthlyStemWeight[s][monthBranch], "0.0"));
    PrintInTable(chart, 23, y, FormatNumber(weights.weight[s], "0.00"));
    PrintInTable(chart, 28, y, FormatNumber(weights.StemShare(s), "#0.0"));
  }
  PrintInTable(chart, 1, 14, kTableRule);
  PrintInTable(chart, 3, 15, "合計: ");
  PrintInTable(chart, 10, 15, FormatNumber(Total(counts.principal), "0"));
  PrintInTable(chart, 12, 15, FormatNumber(Total(counts.full), "0"));
  PrintInTable(chart, 15, 15, FormatNumber(Total(counts.weighted), "0.0"));
  PrintInTable(chart, 22, 15, FormatNumber(weights.total, "#0.00"));
  for (int e = 1; e <= 5; ++e) {
    PrintInTable(chart, 32, ElementLine(e), kElementNames[e]);
    chart.canvas.Print(FormatNumber(weights.ElementShare(e), "   #0.0"));
  }
}

// The short form of the strength table, on its rows: each stem's name and its whole share, then
// each element's whole share with the element after it. A stem of 9.3 hundredths shows 9, one
// without weight 0.
void ComputeStemShareList(Chart& chart) {
  WeighChartStems(chart);
  const StemWeights& weights = chart.stemWeights;
  for (int s = 1; s <= 10; ++s) {
    PrintInTable(chart, 4, StemRow(s), kStemNames[s]);
    PrintInTable(chart, 6, StemRow(s), FormatNumber(weights.StemShare(s), "#0"));
  }
  for (int e = 1; e <= 5; ++e) {
    PrintInTable(chart, 8, ElementLine(e), FormatNumber(weights.ElementShare(e), "#0"));
    chart.canvas.Print(kElementNames[e]);
  }
}

// Each element's state in the season of the month branch, on its element line.
void ComputeElementStates(Chart& chart) {
  int season = StateSeason(chart.Month().branch);
  for (int state = 1; state <= 5; ++state)
    PrintInTable(chart, chart.layout.elementStateX, ElementLine(kSeasonStateTable[season][state]),
                 kSeasonStateNames[state]);
}

void ComputeStemListTenGods(Chart& chart) {
  for (int s = 1; s <= 10; ++s) PrintInTable(chart, 1, StemRow(s), TenGodName(s, chart.Day().stem));
}

}  // namespace qm::natal

