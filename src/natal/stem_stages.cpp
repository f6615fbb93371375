// The stage of each of the ten stems at the month branch, a mark in the strength table.
#include <string>

#include "base/life_stages.h"
#include "natal/late_steps.h"

namespace qm::natal {

// Each stem's stage at the month branch from its row of the stage table: in a 亥 month 甲
// stands in 長生, marked (生).
void ComputeStemStagesAtBranch(Chart& chart) {
  const PrintPlace& at = chart.layout.late.stemStages;
  for (int stem = 1; stem <= 10; ++stem)
    for (int stage = 1; stage <= 12; ++stage)
      if (chart.stageBranchTable[stem][stage] == chart.in.pillars.MonthBranch)
        chart.canvas.PrintAt(at.x, at.y + stem - 1, "(" + std::string(kStemStageLetters[stage]) + ")");
}

}  // namespace qm::natal
