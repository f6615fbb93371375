#include "natal/chart_rules.h"

#include <algorithm>

#include "base/failure.h"

namespace qm::natal {
namespace {

// On a yin day the second and the last name change places with their neighbours.
constexpr std::array<std::string_view, 11> kYinDayTenGodNames = {
    "", "比肩", "傷官", "食神", "正財", "偏財", "正官", "七殺", "正印", "偏印", "劫財"};

constexpr std::array<std::string_view, 5> kSeasonLabels = {
    "", " (春溼)", " (夏炎)", " (秋燥)", " (冬寒)"};

}  // namespace

std::string_view TenGodName(int stem, int dayStem) {
  int r = TenGodNumber(CheckedStem(stem), CheckedStem(dayStem));
  return dayStem % 2 == 1 ? kTenGodNames[r] : kYinDayTenGodNames[r];
}

int SeasonStateOf(int element, int stateSeason) {
  if (stateSeason < 1 || stateSeason > 5) throw Failure("季節超出範圍：" + std::to_string(stateSeason));
  const auto& row = kSeasonStateTable[stateSeason];
  auto found = std::find(row.begin() + 1, row.end(), element);
  if (found == row.end()) throw Failure("五行超出範圍：" + std::to_string(element));
  return static_cast<int>(found - row.begin());
}

std::string_view SeasonLabel(int monthBranch) {
  return kSeasonLabels[SeasonOf(CheckedBranch(monthBranch))];
}

int StageAt(const StageTable& table, int stem, int branch) {
  const StageRow& row = table[CheckedStem(stem)];
  auto found = std::find(row.rbegin(), row.rend() - 1, branch);
  return found == row.rend() - 1 ? 0 : static_cast<int>(row.rend() - found) - 1;
}

}  // namespace qm::natal
