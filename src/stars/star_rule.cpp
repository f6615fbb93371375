#include "stars/star_rule.h"

#include <algorithm>
#include <cstddef>

namespace qm::stars {

int SoughtBranch(const Star& star, Mark key, int entry) {
  const Pillar keyPillar{key.stem, key.branch};
  for (const Row& row : star.rows) {
    if (Matches(row[0], keyPillar) && entry-- == 0) return row[1].branch;
  }
  return 0;
}

bool CheckHolds(const Check& check, std::span<const Row> rows, std::span<const Pillar> pillars) {
  return std::any_of(rows.begin(), rows.end(), [&](const Row& row) {
    for (int i = 0; i < check.count; ++i) {
      const auto term = static_cast<std::size_t>(i);
      if (!Matches(row[term], pillars[static_cast<std::size_t>(check.pillars[term])])) return false;
    }
    return true;
  });
}

void RunStarTest(const Star& star, std::span<const Check> checks,
                 std::span<const Pillar> pillars, Sex chartSex, StarGrid& grid) {
  if (star.forSex != Sex::None && star.forSex != chartSex) return;
  for (const Check& check : checks) {
    if (CheckHolds(check, star.rows, pillars)) grid.PlaceStarInColumn(check.column, star.word);
  }
}

}  // namespace qm::stars
