#include "ziwei/star_slots.h"

#include <string>

#include "base/failure.h"
#include "base/utf8.h"
#include "ziwei/ziwei_files.h"

namespace qm::ziwei {
namespace {

void WriteStar(ZiWeiChart& chart, int cell, int slot, int id) {
  const SlotPoint at = chart.slots[cell][slot];
  chart.canvas.PrintAt(at.x, at.y, CharOf(kStarNames[id], 0));
  chart.canvas.PrintAt(at.x, at.y + 1, CharOf(kStarNames[id], 1));
  chart.stars[cell][slot] = id;
}

}  // namespace

void ReadSlotLayout(ZiWeiChart& chart) {
  chart.slots = ReadPlaceTable();
  chart.stars = {};
}

void PlaceStarInFirstSlot(ZiWeiChart& chart, int cell, int id) { WriteStar(chart, cell, 1, id); }

void RebuildNextFreeSlot(ZiWeiChart& chart) {
  for (int cell = 1; cell <= 12; ++cell) {
    chart.nextFreeSlot[cell] = 1;
    for (int slot = 1; slot <= kSearchedSlots; ++slot)
      if (chart.stars[cell][slot] != 0) ++chart.nextFreeSlot[cell];
  }
}

void PlaceStar(ZiWeiChart& chart, int cell, int id) {
  const int slot = chart.nextFreeSlot[cell];
  if (slot > kSlotCount) return;
  WriteStar(chart, cell, slot, id);
  chart.nextFreeSlot[cell] = slot + 1;
}

void PlaceStars(ZiWeiChart& chart, std::span<const StarRule> stars) {
  for (const StarRule& star : stars) PlaceStar(chart, star.cell(chart), star.id);
}

std::optional<StarSlot> FindStarSlot(const ZiWeiChart& chart, int id) {
  std::optional<StarSlot> found;
  for (int cell = 1; cell <= 12; ++cell)
    for (int slot = 1; slot <= kSearchedSlots; ++slot)
      if (chart.stars[cell][slot] == id) found = StarSlot{cell, slot};
  return found;
}

int FindStarCell(const ZiWeiChart& chart, int id) {
  const std::optional<StarSlot> found = FindStarSlot(chart, id);
  if (!found) throw Failure("星曜不在前九格：" + std::string(kStarNames[id]));
  return found->cell;
}

void PrintUnderStar(ZiWeiChart& chart, StarSlot at, double dy, std::string_view text) {
  const SlotPoint point = chart.slots[at.cell][at.slot];
  chart.canvas.PrintAt(point.x, point.y + dy, text);
}

}  // namespace qm::ziwei
