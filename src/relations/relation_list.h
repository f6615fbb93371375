#pragma once
// The pieces every relation list is made of: the pillar columns it looks at and the column of
// lines it writes.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "base/failure.h"
#include "base/pillar.h"
#include "ui/canvas.h"

namespace qm::relations {

// One pillar as the families see it: its printed name and its stem and branch (0 = none, which
// takes part in no relation). A list of columns, in the chart's pillar order, is what every
// family runs over, so the same families serve four pillars or seven.
struct Column {
  std::string_view name;
  Pillar pillar;
};

// The columns of a chart handed over as its N stems followed by its N branches, named in order.
// A stem outside 0..10 or a branch outside 0..12 throws qm::Failure; 0 is none.
template <std::size_t N>
std::array<Column, N> ColumnsOf(const std::array<std::string_view, N>& names,
                                const std::array<int, 2 * N>& stemsThenBranches) {
  std::array<Column, N> columns;
  for (std::size_t p = 0; p < N; ++p) {
    const int stem = stemsThenBranches[p];
    const int branch = stemsThenBranches[p + N];
    if (stem < 0 || stem > 10 || branch < 0 || branch > 12)
      throw Failure("干支超出範圍: " + std::to_string(stem) + "," + std::to_string(branch));
    columns[p] = {names[p], {stem, branch}};
  }
  return columns;
}

// The lines of one list: the k-th line written at (x, k + 1). A full list leaves out every
// further relation without failing, so that the rest of the chart is still drawn.
class RelationList {
 public:
  RelationList(ui::Canvas& canvas, double x, int capacity)
      : canvas_(canvas), x_(x), capacity_(capacity) {}

  void Add(std::string_view text);
  int Count() const { return count_; }

 private:
  ui::Canvas& canvas_;
  double x_;
  int capacity_;
  int count_ = 0;
};

}  // namespace qm::relations
