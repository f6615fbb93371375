// How strongly the chart supports its day stem: the day-master strength and standard, and the
// nine-immortals count.
#include <array>
#include <string>

#include "base/names.h"
#include "base/number_text.h"
#include "natal/late_steps.h"

namespace qm::natal {
void ComputeDayMasterStrength(Chart& chart) {
  const Pillars& pillars = chart.in.pillars;
  int element = StemElement(pillars.DayStem);
  int generating = GeneratingElement(element);
  const auto& weight = chart.stemWeight;
  double strength = weight[2 * element] + weight[2 * element - 1] + weight[2 * generating] +
                    weight[2 * generating - 1];
  double standard = 5.5 - chart.monthlyStemWeight[pillars.DayStem][pillars.MonthBranch];
  const LateStepsLayout& layout = chart.layout.late;
  chart.canvas.PrintAt(layout.dayMasterStrength.x, layout.dayMasterStrength.y,
                       "日干旺度: " + FormatNumber(strength, "#0.00"));
  chart.canvas.PrintAt(layout.dayMasterStandard.x, layout.dayMasterStandard.y,
                       "日干標準: " + FormatNumber(standard, "#0.00"));
}

// Of nine shares (seven elements of the chart, the month branch twice, and the day stem
// itself), those of the day stem's element or of the one generating it support the day stem:
// a 甲 day with 壬子 year, 甲寅 month, 子 day branch and 丙午 hour counts 1 + 6 = 7 : 2.
void ComputeNineImmortals(Chart& chart) {
  const Pillars& p = chart.in.pillars;
  int element = StemElement(p.DayStem);
  int generating = GeneratingElement(element);
  struct Share {
    int element, weight;
  };
  const std::array<Share, 7> shares = {{{StemElement(p.YearStem), 1},
                                        {BranchElement(p.YearBranch), 1},
                                        {StemElement(p.MonthStem), 1},
                                        {BranchElement(p.MonthBranch), 2},
                                        {BranchElement(p.DayBranch), 1},
                                        {StemElement(p.HourStem), 1},
                                        {BranchElement(p.HourBranch), 1}}};
  int count = 0;
  for (const Share& share : shares)
    if (share.element == element || share.element == generating) count += share.weight;
  const PrintPlace& at = chart.layout.late.nineImmortals;
  chart.canvas.PrintAt(at.x, at.y,
                       "九仙訣(" + ItemNumber(count + 1) + ":" + ItemNumber(9 - (count + 1)) + ")");
}

}  // namespace qm::natal
