#include "stars/conception_breath.h"

#include <array>
#include <cstddef>

#include "base/names.h"

namespace qm::stars {
namespace {

// The 六合 partner of each branch: 子丑, 寅亥, 卯戌, 辰酉, 巳申, 午未.
constexpr std::array<int, 13> kSixCombinationPartner = {0, 2, 1, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3};

bool IsStem(int stem) { return stem >= 1 && stem <= 10; }
bool IsBranch(int branch) { return branch >= 1 && branch <= 12; }

}  // namespace

Pillar ConceptionPillar(Pillar month) {
  return {IsStem(month.stem) ? NextStem(month.stem, 1) : 0,
          IsBranch(month.branch) ? NextBranch(month.branch, 3) : 0};
}

Pillar BreathPillar(Pillar day) {
  return {IsStem(day.stem) ? NextStem(day.stem, 5) : 0,
          IsBranch(day.branch) ? kSixCombinationPartner[static_cast<std::size_t>(day.branch)] : 0};
}

std::string PillarText(Pillar pillar) {
  std::string text;
  if (IsStem(pillar.stem)) text += kStemNames[static_cast<std::size_t>(pillar.stem)];
  if (IsBranch(pillar.branch)) text += kBranchNames[static_cast<std::size_t>(pillar.branch)];
  return text;
}

void PrintConceptionAndBreath(ui::Canvas& canvas, Pillar month, Pillar day) {
  canvas.PrintAt(3, 24, "胎元:" + PillarText(ConceptionPillar(month)));
  canvas.PrintAt(12, 24, "胎息:" + PillarText(BreathPillar(day)));
}

}  // namespace qm::stars
