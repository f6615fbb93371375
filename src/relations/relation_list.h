#pragma once
// The pieces every relation list is made of: the pillar columns it looks at and the column of
// lines it writes.
#include <string_view>

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
