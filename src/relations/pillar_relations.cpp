#include "relations/pillar_relations.h"

#include "relations/relation_families.h"

namespace qm::relations {
namespace {

constexpr double kListX = 43;
constexpr int kListCapacity = 20;
constexpr std::array<std::string_view, 4> kPillarNames = {"年", "月", "日", "時"};

}  // namespace

void PrintPillarRelations(ui::Window& target, const std::array<int, 8>& stemsThenBranches) {
  const std::array<Column, 4> columns = ColumnsOf(kPillarNames, stemsThenBranches);
  RelationList list(target.canvas, kListX, kListCapacity);
  StemRooting(columns, list);
  PillarAndBranchRelations(columns, list);
  PillarSelfClash(columns, list);
}

}  // namespace qm::relations
