// How strongly the chart supports its day stem: the day-master strength and standard, and the
// nine-immortals count.
#include "natal/day_master.h"

#include <string>

#include "base/number_text.h"
#include "natal/chart_steps.h"

namespace qm::natal {

DayMasterStrength DayMasterStrengthOf(int dayStem, int monthBranch,
                                      const std::array<double, 11>& stemWeights,
                                      const MonthlyStemWeights& monthly) {
  int element = StemElement(CheckedStem(dayStem));
  int generating = GeneratingElement(element);
  const auto& w = stemWeights;
  return {w[2 * element] + w[2 * element - 1] + w[2 * generating] + w[2 * generating - 1],
          5.5 - monthly[dayStem][CheckedBranch(monthBranch)]};
}

// Of nine shares (seven elements of the chart, the month branch twice, and the day stem
// itself), those of the day stem's element or of the one generating it support the day stem:
// a 甲 day with 壬子 year, 甲寅 month, 子 day branch and 丙午 hour counts 1 + 6 = 7 : 2.
int NineImmortalsCount(std::span<const Pillar, 4> natal) {
  const Pillar &year = natal[0], &month = natal[1], &day = natal[2], &hour = natal[3];
  int element = StemElement(CheckedStem(day.stem));
  int generating = GeneratingElement(element);
  struct Share {
    int element, weight;
  };
  const std::array<Share, 7> shares = {{{StemElement(year.stem), 1},
                                        {BranchElement(year.branch), 1},
                                        {StemElement(month.stem), 1},
                                        {BranchElement(month.branch), 2},
                                        {BranchElement(day.branch), 1},
                                        {StemElement(hour.stem), 1},
                                        {BranchElement(hour.branch), 1}}};
  int count = 0;
  for (const Share& share : shares)
    if (share.element == element || share.element == generating) count += share.weight;
  return count;
}

void ComputeDayMasterStrength(Chart& chart) {
  DayMasterStrength day = DayMasterStrengthOf(chart.Day().stem, chart.Month().branch,
                                              chart.stemWeights.weight, chart.monthlyStemWeight);
  const ChartLayout::DayMaster& at = chart.layout.dayMaster;
  const std::string end(at.labelEnd);
  chart.canvas.PrintAt(at.strength.x, at.strength.y, "日干旺度" + end + FormatNumber(day.strength, "#0.00"));
  chart.canvas.PrintAt(at.standard.x, at.standard.y, "日干標準" + end + FormatNumber(day.standard, "#0.00"));
}

void ComputeNineImmortals(Chart& chart) {
  int count = NineImmortalsCount(chart.NatalPillars());
  const PrintPlace& at = chart.layout.dayMaster.nineImmortals;
  chart.canvas.PrintAt(at.x, at.y,
                       "九仙訣(" + ItemNumber(count + 1) + ":" + ItemNumber(9 - (count + 1)) + ")");
}

}  // namespace qm::natal
