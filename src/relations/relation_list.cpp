#include "relations/relation_list.h"

namespace qm::relations {

void RelationList::Add(std::string_view text) {
  if (count_ == capacity_) return;
  ++count_;
  canvas_.PrintAt(x_, count_ + 1, text);
}

}  // namespace qm::relations
