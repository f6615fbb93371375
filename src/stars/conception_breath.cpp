#include "stars/conception_breath.h"

#include <array>
#include <cstddef>

#include "base/branch_pairs.h"
#include "base/names.h"

namespace qm::stars {

Pillar ConceptionPillar(Pillar month) {
  return {IsStem(month.stem) ? NextStem(month.stem, 1) : 0,
          IsBranch(month.branch) ? NextBranch(month.branch, 3) : 0};
}

Pillar BreathPillar(Pillar day) {
  return {IsStem(day.stem) ? NextStem(day.stem, 5) : 0,
          SixCombinationPartner(day.branch)};
}

void PrintConceptionAndBreath(ui::Canvas& canvas, Pillar month, Pillar day) {
  canvas.PrintAt(3, 24, "胎元:" + PillarText(ConceptionPillar(month)));
  canvas.PrintAt(12, 24, "胎息:" + PillarText(BreathPillar(day)));
}

}  // namespace qm::stars
