#pragma once
// The state of one drawing of the Zi Wei chart: what it starts from, the slot layout of the
// cells, which star stands in which slot, and the palaces that the earlier steps leave for the
// later ones. Nothing here outlives the drawing except the text on the canvas.
#include <array>
#include <string>

#include "calendar/calendar.h"
#include "ui/canvas.h"

namespace qm::ziwei {

// A cell holds at most this many stars; the searches by star look at the first nine slots only.
inline constexpr int kSlotCount = 14;
inline constexpr int kSearchedSlots = 9;

// The point of a slot: a star's first character stands there, its second one row lower.
struct SlotPoint {
  double x = 0, y = 0;
};
// [cell 1..12][slot 1..14]; index 0 unused.
using SlotLayout = std::array<std::array<SlotPoint, kSlotCount + 1>, 13>;

// What the chart is drawn from: the pillars and life palace of the working moment, its lunar
// date, the working Gregorian date and the SexCode.
struct ZiWeiInputs {
  Pillars pillars;
  LunarDate lunar;
  int year = 0, month = 0, day = 0;  // RocYear, month, day
  std::string sex;
};

struct ZiWeiChart {
  ZiWeiChart(ui::Canvas& canvas, ZiWeiInputs inputs) : canvas(canvas), in(std::move(inputs)) {}

  ui::Canvas& canvas;
  ZiWeiInputs in;

  // The star slots: where each slot is printed, the star id in each slot (0 empty) and the slot
  // that the next star of each cell takes.
  SlotLayout slots{};
  std::array<std::array<int, kSlotCount + 1>, 13> stars{};
  std::array<int, 13> nextFreeSlot{};

  // Left by the palace steps; cells are branch numbers 1 (子) .. 12 (亥).
  int lunarYearStem = 0;
  int monthCell = 0;
  int lifePalace = 0;
  int bodyPalace = 0;
  int bureau = 0;  // 2 水二局 .. 6 火六局
};

}  // namespace qm::ziwei
