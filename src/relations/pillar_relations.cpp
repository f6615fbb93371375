#include "relations/pillar_relations.h"

#include "base/failure.h"
#include "relations/relation_families.h"

namespace qm::relations {
namespace {

constexpr double kListX = 43;
constexpr int kListCapacity = 20;
constexpr std::array<std::string_view, 4> kPillarNames = {"年", "月", "日", "時"};

std::array<Column, 4> NatalColumns(const std::array<int, 8>& stemsThenBranches) {
  std::array<Column, 4> columns;
  for (std::size_t p = 0; p < columns.size(); ++p) {
    const int stem = stemsThenBranches[p];
    const int branch = stemsThenBranches[p + 4];
    if (stem < 0 || stem > 10 || branch < 0 || branch > 12)
      throw Failure("干支超出範圍: " + std::to_string(stem) + "," + std::to_string(branch));
    columns[p] = {kPillarNames[p], {stem, branch}};
  }
  return columns;
}

}  // namespace

void PrintPillarRelations(ui::Window& target, const std::array<int, 8>& stemsThenBranches) {
  const std::array<Column, 4> columns = NatalColumns(stemsThenBranches);
  RelationList list(target.canvas, kListX, kListCapacity);
  StemRooting(columns, list);
  PillarPairClash(columns, list);
  StemCombination(columns, list);
  DirectionalAssembly(columns, list);
  const TripleCombinationFlags flags = TripleCombination(columns, list);
  SixCombination(columns, list);
  HalfCombination(columns, flags, list);
  ThreeBranchPunishment(columns, list);
  BranchClash(columns, list);
  BranchHarm(columns, list);
  BranchBreak(columns, list);
  PairAndSelfPunishment(columns, list);
  PillarSelfClash(columns, list);
}

}  // namespace qm::relations
