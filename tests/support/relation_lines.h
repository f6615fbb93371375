#pragma once
// The lines of a relation list as drawn: each a text, the k-th at (x, k + 1).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/canvas.h"

namespace qm::test {

inline std::vector<std::string> RelationLines(const ui::Canvas& canvas, double x) {
  std::vector<std::string> lines;
  for (const ui::DrawItem& item : canvas.Items()) {
    EXPECT_EQ(item.kind, ui::DrawItem::Kind::Text);
    EXPECT_EQ(item.x1, x) << item.text;
    EXPECT_EQ(item.y1, static_cast<double>(lines.size() + 2)) << item.text;
    lines.push_back(item.text);
  }
  return lines;
}

}  // namespace qm::test
