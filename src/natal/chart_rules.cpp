#include "natal/chart_rules.h"

#include <algorithm>

#include "base/failure.h"
#include "base/number_text.h"
#include "natal/word_chars.h"

namespace qm::natal {
namespace {

// On a yin day the second and the last name change places with their neighbours.
constexpr std::array<std::string_view, 11> kYinDayTenGodNames = {
    "", "比肩", "傷官", "食神", "正財", "偏財", "正官", "七殺", "正印", "偏印", "劫財"};

constexpr std::array<std::string_view, 6> kSeasonLabels = {
    "", " (春溼)", " (夏炎)", " (秋燥)", " (冬寒)"};
// The season (1 spring .. 4 winter) of each month branch.
constexpr std::array<int, 13> kSeasonOfBranch = {0, 4, 4, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4};

}  // namespace

int CheckedStem(int stem) {
  if (stem < 1 || stem > 10) throw Failure("天干超出範圍：" + std::to_string(stem));
  return stem;
}

int CheckedBranch(int branch) {
  if (branch < 1 || branch > 12) throw Failure("地支超出範圍：" + std::to_string(branch));
  return branch;
}

std::string_view LastChars(std::string_view text, std::size_t n) {
  std::size_t count = CharCount(text);
  if (count <= n) return text;
  std::string_view first = CharOf(text, count - n);
  return text.substr(static_cast<std::size_t>(first.data() - text.data()));
}

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
  return kSeasonLabels[kSeasonOfBranch[CheckedBranch(monthBranch)]];
}

int StageAt(const std::array<StageRow, 11>& table, int stem, int branch) {
  const StageRow& row = table[CheckedStem(stem)];
  auto found = std::find(row.rbegin(), row.rend() - 1, branch);
  return found == row.rend() - 1 ? 0 : static_cast<int>(row.rend() - found) - 1;
}

}  // namespace qm::natal
