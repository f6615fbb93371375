#pragma once
// What a canvas shows as text: every text with its place, and the texts at one place.
#include <string>
#include <vector>

#include "ui/canvas.h"

namespace qm::test {

// A text of the canvas with its place.
struct Shown {
  double x, y;
  std::string text;
  bool operator==(const Shown&) const = default;
};

inline std::vector<Shown> ShownTexts(const ui::Canvas& canvas) {
  std::vector<Shown> shown;
  for (const ui::DrawItem& item : canvas.Items())
    if (item.kind == ui::DrawItem::Kind::Text) shown.push_back({item.x1, item.y1, item.text});
  return shown;
}

// The texts printed at one place, in drawing order.
inline std::vector<std::string> TextsAt(const ui::Canvas& canvas, double x, double y) {
  std::vector<std::string> texts;
  for (const Shown& s : ShownTexts(canvas))
    if (s.x == x && s.y == y) texts.push_back(s.text);
  return texts;
}

}  // namespace qm::test
