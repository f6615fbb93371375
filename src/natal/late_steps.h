#pragma once
// The later steps of one natal chart drawing: the polarity mark, the stage pairs, the pillar
// scores and the yin-yang balance; the luck start, the month commander and the luck pillars
// with BIGFOR; the stem stages at the month branch, the day-master strength, the nine
// immortals and the nayin. Each prints on chart.canvas at the places of chart.layout; a missing
// or short table throws qm::Failure.
#include "natal/chart_state.h"

namespace qm::natal {

void PrintPurePolarity(Chart& chart);
void ComputePairStages(Chart& chart);
void ComputePillarScores(Chart& chart);
void ComputeYinYangBalance(Chart& chart);

void ComputeLuckStart(Chart& chart);
void PrintMonthCommander(Chart& chart);
void ComputeLuckPillars(Chart& chart);  // writes BIGFOR through WriteBigFor

void ComputeStemStagesAtBranch(Chart& chart);
void ComputeDayMasterStrength(Chart& chart);
void ComputeNineImmortals(Chart& chart);
void LookupNayin(Chart& chart);

}  // namespace qm::natal
