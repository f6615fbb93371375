#include "natal/draw_pillar_chart.h"

#include "natal/early_steps.h"
#include "natal/late_steps.h"

namespace qm::natal {

void DrawPillarChart(Chart& chart) {
  using Step = void (*)(Chart&);
  static constexpr Step kSteps[] = {
      PrintBirthHeader,      PrintPillars,           ComputeSeasonalStates,
      ComputeHiddenStems,    ComputeTenGods,         ComputeHiddenStemTenGods,
      ComputeTwelveStages,   CountStems,             ComputeStemWeights,
      ComputeElementStates,  ComputeStemListTenGods, PrintPurePolarity,
      ComputePairStages,     ComputePillarScores,    ComputeYinYangBalance,
      ComputeLuckStart,      PrintMonthCommander,    ComputeLuckPillars,
      ComputeStemStagesAtBranch, ComputeDayMasterStrength, ComputeNineImmortals,
      LookupNayin};
  for (Step step : kSteps) step(chart);
}

}  // namespace qm::natal
