#include "relations/luck_relations.h"

#include "relations/relation_families.h"

namespace qm::relations {
namespace {

constexpr double kListX = 23;
constexpr int kListCapacity = 23;
constexpr std::array<std::string_view, 7> kPillarNames = {"年", "月", "日", "時", "運", "歲", "流月"};

}  // namespace

// The natal families over seven pillars, without the roots of the stems and the clashes within
// a pillar: a flowing year 庚午 against a 甲子 year gives 年歲天地沖.
void PrintLuckRelations(ui::Window& target, const std::array<int, 14>& stemsThenBranches) {
  const std::array<Column, 7> columns = ColumnsOf(kPillarNames, stemsThenBranches);
  RelationList list(target.canvas, kListX, kListCapacity);
  PillarAndBranchRelations(columns, list);
}

}  // namespace qm::relations
