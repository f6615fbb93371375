#include "stars/star_grid.h"

#include <cstddef>

#include "base/utf8.h"

namespace qm::stars {
StarGrid::StarGrid(ui::Canvas& canvas, std::span<const StarColumn> columns)
    : canvas_(canvas), columns_(columns), placed_(columns.size(), 0) {}

void StarGrid::PlaceStarInColumn(int column, std::string_view word) {
  const StarColumn& places = columns_[static_cast<std::size_t>(column)];
  int& placed = placed_[static_cast<std::size_t>(column)];
  if (placed >= static_cast<int>(places.slots.size())) return;
  const StarSlot& slot = places.slots[static_cast<std::size_t>(placed)];
  ++placed;
  const std::string_view first = CharOf(word, 0);
  canvas_.PrintAt(places.centre + slot.dx, slot.y, first);
  canvas_.PrintAt(places.centre + slot.dx, slot.y + 1, word.substr(first.size()));
}

}  // namespace qm::stars
