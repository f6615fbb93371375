#include "stars/star_grid.h"

#include <cstddef>

namespace qm::stars {
namespace {

// The byte length of the first character of a UTF-8 text.
std::size_t FirstCharLength(std::string_view text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text.front());
  const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  return length < text.size() ? length : text.size();
}

}  // namespace

StarGrid::StarGrid(ui::Canvas& canvas, std::span<const StarColumn> columns)
    : canvas_(canvas), columns_(columns), placed_(columns.size(), 0) {}

void StarGrid::PlaceStarInColumn(int column, std::string_view word) {
  const StarColumn& places = columns_[static_cast<std::size_t>(column)];
  int& placed = placed_[static_cast<std::size_t>(column)];
  if (placed >= static_cast<int>(places.slots.size())) return;
  const StarSlot& slot = places.slots[static_cast<std::size_t>(placed)];
  ++placed;
  const std::size_t first = FirstCharLength(word);
  canvas_.PrintAt(places.centre + slot.dx, slot.y, word.substr(0, first));
  canvas_.PrintAt(places.centre + slot.dx, slot.y + 1, word.substr(first));
}

}  // namespace qm::stars
