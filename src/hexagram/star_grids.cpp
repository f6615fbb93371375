// The last items of the chart: the element counts of the eight pillar characters, the four
// stars of the day pillar and the grid of eight stars keyed by each line's branch.
#include <array>
#include <cstddef>
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

// The star of a grid column (天醫 0, then the columns of kGridStars) for a line's branch.
int GridStarOf(int branch, std::size_t column) {
  return column == 0 ? Lookup(k天醫, branch)
                     : stars::SoughtBranch(kGridStars[column - 1], {0, branch});
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
  canvas.PrintAt(65.5, 6, BranchName(stars::SoughtBranch(stars::k驛馬, {0, branch})));
  canvas.PrintAt(68.8, 6, BranchName(stars::SoughtBranch(stars::k咸池, {0, branch})));
  canvas.PrintAt(72.2, 6, BranchName(stars::SoughtBranch(stars::k天乙, {stem, 0}, 0)));
  canvas.PrintAt(72.2, 7, BranchName(stars::SoughtBranch(stars::k天乙, {stem, 0}, 1)));
}

void PrintStarGrid(ui::Canvas& canvas, const HexagramChart& chart) {
  const SixLines& branches = chart.primary.branches;
  for (int k = 0; k < 6; ++k)
    canvas.PrintAt(1, 12 - k, std::string(BranchName(branches[k])) +
                                  std::string(kSixRelativeNames[chart.primaryRelatives[k]]));
  canvas.PrintAt(9, 4, "天 孤 寡 驛 劫 華 咸 將");
  canvas.PrintAt(9, 5, "醫 辰 宿 馬 煞 蓋 池 星");
  constexpr std::array<double, 8> kStarX = {8.8, 11.5, 14.1, 16.8, 19.3, 21.9, 24.4, 26.8};
  for (std::size_t column = 0; column < kStarX.size(); ++column)
    for (int k = 0; k < 6; ++k)
      canvas.PrintAt(kStarX[column], 12 - k, BranchName(GridStarOf(branches[k], column)));
}

}  // namespace qm::hexagram
