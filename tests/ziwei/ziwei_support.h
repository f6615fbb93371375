#pragma once
// Charts of the Zi Wei steps drawn on a plain canvas from chosen inputs, and what a canvas
// shows in the slots of a cell.
#include <cmath>
#include <string>
#include <vector>

#include "natal/chart_rules.h"
#include "support/temp_folder.h"
#include "ui/canvas.h"
#include "ziwei/chart_frame.h"
#include "ziwei/draw_ziwei_chart.h"
#include "ziwei/star_slots.h"
#include "ziwei/ziwei_files.h"

namespace qm::ziwei::test {

using Texts = std::vector<std::string>;

// The texts printed within a hair of (x, y), in drawing order.
inline Texts TextsNear(const ui::Canvas& canvas, double x, double y) {
  Texts texts;
  for (const ui::DrawItem& item : canvas.Items())
    if (item.kind == ui::DrawItem::Kind::Text && std::abs(item.x1 - x) < 1e-9 &&
        std::abs(item.y1 - y) < 1e-9)
      texts.push_back(item.text);
  return texts;
}

// The stars a canvas shows in a cell, slot by slot: the two characters at each slot point of
// PLACE.DAT, up to the first empty slot.
inline Texts StarsShown(const ui::Canvas& canvas, int cell) {
  const SlotLayout slots = ReadPlaceTable();
  Texts stars;
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    const SlotPoint p = slots[cell][slot];
    Texts first = TextsNear(canvas, p.x, p.y), second = TextsNear(canvas, p.x, p.y + 1);
    if (first.empty() || second.empty()) break;
    stars.push_back(first.back() + second.back());
  }
  return stars;
}

// The stars of a chart's cell in slot order, by name.
inline Texts StarsIn(const ZiWeiChart& chart, int cell) {
  Texts names;
  for (int slot = 1; slot <= kSlotCount; ++slot)
    if (int id = chart.stars[cell][slot]) names.push_back(std::string(kStarNames[id]));
  return names;
}

// The cell (1..12) and slot of a star anywhere in the chart; {0, 0} when it is not placed.
inline StarSlot WhereIs(const ZiWeiChart& chart, std::string_view name) {
  for (int cell = 1; cell <= 12; ++cell)
    for (int slot = 1; slot <= kSlotCount; ++slot)
      if (chart.stars[cell][slot] != 0 && kStarNames[chart.stars[cell][slot]] == name)
        return {cell, slot};
  return {};
}

// The moment a chart is drawn from, chosen freely: the lunar date, the year pillar, the hour
// branch and the sex.
struct Moment {
  int lunarYear = 73;
  double lunarMonth = 4;
  int lunarDay = 12;
  int yearStem = 1, yearBranch = 1, hourBranch = 5;
  std::string sex = "M";
  int year = 73, month = 5, day = 12;  // the Gregorian date of the header
};

// A whole Zi Wei chart of a chosen moment, drawn on its own canvas from the program folder's
// tables.
class DrawnChart {
 public:
  explicit DrawnChart(const Moment& m) : chart(canvas, InputsOf(m)) { DrawZiWeiChart(chart); }
  ui::Canvas canvas;
  ZiWeiChart chart;

  int Cell(std::string_view star) const { return WhereIs(chart, star).cell; }

 private:
  static ZiWeiInputs InputsOf(const Moment& m) {
    ZiWeiInputs in;
    in.lunar = {m.lunarYear, m.lunarMonth, m.lunarDay, m.lunarMonth != std::floor(m.lunarMonth) ? "1" : "0"};
    in.pillars.YearStem = m.yearStem;
    in.pillars.YearBranch = m.yearBranch;
    in.pillars.HourBranch = m.hourBranch;
    in.year = m.year, in.month = m.month, in.day = m.day;
    in.sex = m.sex;
    return in;
  }
};

// The branch number of a branch character.
inline int B(std::string_view branch) { return *BranchFromText(branch); }

}  // namespace qm::ziwei::test
