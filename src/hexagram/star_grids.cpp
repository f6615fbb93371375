// The last items of the chart: the element counts of the eight pillar characters, the four
// stars of the day pillar and the grid of eight stars keyed by each line's branch.
#include <array>
#include <string>

#include "base/number_text.h"
#include "hexagram/hexagram_chart.h"
#include "hexagram/hexagram_tables.h"

namespace qm::hexagram {
namespace {

// A table keyed by a stem or branch that may be missing: entry 0 names no branch.
template <std::size_t N>
int Lookup(const std::array<int, N>& table, int key) {
  return key >= 1 && key < static_cast<int>(N) ? table[key] : 0;
}

int GridStarOf(int branch, GridStar star) {
  return branch >= 1 && branch <= 12 ? kGridStars[branch][star] : 0;
}

}  // namespace

void PrintElementCounts(ui::Canvas& canvas, const HexagramChart& chart) {
  const std::array<int, 6> counts = ElementCounts(chart.pillars);
  for (int e = 1; e <= 5; ++e)
    canvas.PrintAt(38, 3 + e, std::string(kElementNames[e]) + ":" + ItemNumber(counts[e]));
}

void PrintDayStars(ui::Canvas& canvas, const HexagramChart& chart) {
  const int stem = chart.pillars.DayStem, branch = chart.pillars.DayBranch;
  canvas.PrintAt(62, 3, "羊  驛  桃  貴");
  canvas.PrintAt(62, 4, "刃  馬  花  人");
  canvas.PrintAt(62, 6, BranchName(Lookup(k羊刃, stem)));
  canvas.PrintAt(65.5, 6, BranchName(GridStarOf(branch, k驛馬)));
  canvas.PrintAt(68.8, 6, BranchName(GridStarOf(branch, k咸池)));
  canvas.PrintAt(72.2, 6, BranchName(Lookup(k貴人First, stem)));
  canvas.PrintAt(72.2, 7, BranchName(Lookup(k貴人Second, stem)));
}

void PrintStarGrid(ui::Canvas& canvas, const HexagramChart& chart) {
  const SixLines& branches = chart.primary.branches;
  for (int k = 0; k < 6; ++k)
    canvas.PrintAt(1, 12 - k, std::string(BranchName(branches[k])) +
                                  std::string(kSixRelativeNames[chart.primaryRelatives[k]]));
  canvas.PrintAt(9, 4, "天 孤 寡 驛 劫 華 咸 將");
  canvas.PrintAt(9, 5, "醫 辰 宿 馬 煞 蓋 池 星");
  constexpr std::array<double, 8> kStarX = {8.8, 11.5, 14.1, 16.8, 19.3, 21.9, 24.4, 26.8};
  for (int star = k天醫; star <= k將星; ++star)
    for (int k = 0; k < 6; ++k)
      canvas.PrintAt(kStarX[star], 12 - k,
                     BranchName(GridStarOf(branches[k], static_cast<GridStar>(star))));
}

}  // namespace qm::hexagram
