#include "direct/entered_pillar_chart.h"

#include "base/number_text.h"
#include "natal/chart_steps.h"

namespace qm::direct {

std::string SexCodeOfText(std::string_view text) { return text == "男" ? "M" : "F"; }

double StartAgeOfText(std::string_view text) { return TextToNumber(text); }

bool IsDrawnStartAge(double age) {
  constexpr double kLastStartAge = 100;
  return age >= 0 && age <= kLastStartAge;  // false for nan too
}

natal::ChartLayout EnteredPillarsLayout() {
  natal::ChartLayout layout;
  layout.scale = {0, -0.5, 87, 26.5};
  layout.luck.ageRounding = 0;
  return layout;
}

natal::Chart EnteredPillarChart(ui::Canvas& canvas, const Pillars& pillars,
                                const std::string& sexCode, double startAge) {
  natal::ChartInputs in;
  in.columns = natal::NatalColumns(pillars);
  in.sex = sexCode;
  in.hasBirthDate = false;
  natal::Chart chart(canvas, std::move(in), EnteredPillarsLayout());
  chart.luckStart.direction = natal::LuckDirectionOf(pillars.YearStem, sexCode);
  chart.luckStart.age = startAge;
  return chart;
}

void DrawEnteredPillarChart(natal::Chart& chart) {
  using namespace natal;
  using Step = void (*)(Chart&);
  static constexpr Step kSteps[] = {
      ClearToScale,          PrintSex,                  PrintPillars,
      ComputeSeasonalStates, ComputeHiddenStems,        ComputeTenGods,
      ComputeHiddenStemTenGods, ComputeTwelveStages,    CountStems,
      ComputeStemWeights,    ComputeElementStates,      ComputeStemListTenGods,
      PrintPurePolarity,     ComputePairStages,         ComputePillarScores,
      ComputeYinYangBalance, ComputeLuckPillars,        WriteLuckRecord,
      ComputeStemStagesAtBranch, ComputeDayMasterStrength, ComputeNineImmortals,
      LookupNayin};
  for (Step step : kSteps) step(chart);
}

}  // namespace qm::direct
