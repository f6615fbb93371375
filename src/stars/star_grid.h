#pragma once
// The grid of star slots under the pillar columns of a chart.
#include <span>
#include <string_view>
#include <vector>

#include "ui/canvas.h"

namespace qm::stars {

// Where a star's first character stands: dx from the column's centre, and the row; the second
// character stands one row lower.
struct StarSlot {
  double dx;
  double y;
};

// One pillar's column of slots, filled in the order of its slot list.
struct StarColumn {
  double centre;
  std::span<const StarSlot> slots;
};

class StarGrid {
 public:
  StarGrid(ui::Canvas& canvas, std::span<const StarColumn> columns);

  // A column's next free slot takes the star, one character per row; a column whose slots are
  // all taken leaves the star out, and the grid goes on with the other columns.
  void PlaceStarInColumn(int column, std::string_view word);

 private:
  ui::Canvas& canvas_;
  std::span<const StarColumn> columns_;
  std::vector<int> placed_;
};

}  // namespace qm::stars
