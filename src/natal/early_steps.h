#pragma once
// The first steps of one natal chart drawing: the header, the pillars and the seasonal states;
// the hidden stems, the ten gods and the twelve stages; the stem counts, the stem weights and
// the strength table. Each prints on chart.canvas at the places of chart.layout and leaves in
// chart what the later steps read; a missing or short table throws qm::Failure.
#include "natal/chart_state.h"

namespace qm::natal {

void PrintBirthHeader(Chart& chart);
void PrintPillars(Chart& chart);
void ComputeSeasonalStates(Chart& chart);

void ComputeHiddenStems(Chart& chart);
void ComputeTenGods(Chart& chart);
void ComputeHiddenStemTenGods(Chart& chart);
void ComputeTwelveStages(Chart& chart);

void CountStems(Chart& chart);
void ComputeStemWeights(Chart& chart);
void ComputeElementStates(Chart& chart);
void ComputeStemListTenGods(Chart& chart);

}  // namespace qm::natal
