#include "natal/draw_pillar_chart.h"

#include "natal/chart_steps.h"

namespace qm::natal {

void DrawPillarChart(Chart& chart) {
  using Step = void (*)(Chart&);
  static constexpr Step kSteps[] = {
      ClearToScale,          PrintSex,               PrintBirthDates,
      PrintPillars,          PrintLifePalace,        ComputeSeasonalStates,
      ComputeHiddenStems,    ComputeTenGods,         ComputeHiddenStemTenGods,
      ComputeTwelveStages,   CountStems,             ComputeStemWeights,
      ComputeElementStates,  ComputeStemListTenGods, PrintPurePolarity,
      ComputePairStages,     ComputePillarScores,    ComputeYinYangBalance,
      ComputeLuckStart,      PrintMonthCommander,    ComputeLuckPillars,
      WriteLuckRecord,       ComputeStemStagesAtBranch, ComputeDayMasterStrength,
      ComputeNineImmortals,  LookupNayin};
  for (Step step : kSteps) step(chart);
}

}  // namespace qm::natal
