#pragma once
// The one rule by which every star test runs: a star's table is a list of rows, a test of the
// star is a list of checks, and a check holds when the pillars it names match one row. The
// tables know nothing of columns, so a grid of four pillars and one of seven run the same
// tables with checks of their own.
#include <array>
#include <span>
#include <string_view>

#include "base/pillar.h"
#include "base/sex_code.h"
#include "stars/star_grid.h"

namespace qm::stars {

// What a table entry asks of a pillar: a stem, a branch or both (0 in a field asks nothing of
// it). A mark that asks nothing at all is an empty entry and matches no pillar, so stems are
// compared only with stems and branches only with branches.
struct Mark {
  int stem = 0;
  int branch = 0;
};

constexpr bool IsEmpty(Mark mark) { return mark.stem == 0 && mark.branch == 0; }

constexpr bool Matches(Mark mark, Pillar pillar) {
  return !IsEmpty(mark) && (mark.stem == 0 || mark.stem == pillar.stem) &&
         (mark.branch == 0 || mark.branch == pillar.branch);
}

// One row of a star's table: a mark for each pillar that a check names, in the check's order.
// A table keyed by the day stem holds rows (day stem, branch sought); a fixed list of day
// pillars holds rows of one mark.
using Row = std::array<Mark, 3>;

// A chart's pillars are qm::Pillar: stem 1..10 and branch 1..12; any other number is none and
// matches nothing. Whom a star is for is a qm::Sex: None on a star means either sex; a chart
// whose code is neither "M", "m", "F" nor "f" is None and gets only the stars for either sex.
struct Star {
  std::string_view word;
  Sex forSex;
  std::span<const Row> rows;
};

// Which pillars (by their index in the chart's pillar list) are laid against a row's marks, and
// the grid column that receives the star when they match.
struct Check {
  // A place in a list of checks, before a check is put there.
  constexpr Check() = default;
  constexpr Check(int column, int first) : column(column), count(1), pillars{first, 0, 0} {}
  constexpr Check(int column, int first, int second)
      : column(column), count(2), pillars{first, second, 0} {}
  constexpr Check(int column, int first, int second, int third)
      : column(column), count(3), pillars{first, second, third} {}

  int column = 0;
  int count = 0;
  std::array<int, 3> pillars{};
};

// The branch that a star's table seeks for one key, a stem {stem, 0} or a branch {0, branch}:
// entry `entry` (0 the first) of the key's row, read from the table itself so that a window
// showing the star outside the grid finds the same branch. A key without that row, and a row
// that seeks a stem, give 0. 天乙 of a 辛 day seeks 寅, then 午.
int SoughtBranch(const Star& star, Mark key, int entry = 0);

// Whether some row of the table matches every pillar that the check names.
bool CheckHolds(const Check& check, std::span<const Row> rows, std::span<const Pillar> pillars);

// A star stands in a check's column once when any row matches that check's pillars; checks run in
// their order, each on its own. 羊刃 of a 甲 day with the check (year column: day, year) and
// the year pillar 丁卯 puts 羊刃 under the year pillar.
void RunStarTest(const Star& star, std::span<const Check> checks,
                 std::span<const Pillar> pillars, Sex chartSex, StarGrid& grid);

}  // namespace qm::stars
