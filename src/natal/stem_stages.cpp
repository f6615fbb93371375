// The stage of each of the ten stems at the month branch, a mark in the strength table.
#include <string>

#include "natal/chart_steps.h"

namespace qm::natal {

// Each stem's stage at the month branch from its row of the stage table: in a 亥 month 甲
// stands in 長生, marked (生). A row without the branch gives no mark.
void ComputeStemStagesAtBranch(Chart& chart) {
  const PrintPlace& at = chart.layout.dayMaster.stemStages;
  for (int stem = 1; stem <= 10; ++stem)
    if (int stage = StageAt(chart.stageBranchTable, stem, chart.Month().branch))
      chart.canvas.PrintAt(at.x, at.y + stem - 1, "(" + std::string(kStemStageLetters[stage]) + ")");
}

}  // namespace qm::natal
