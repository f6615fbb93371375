#include "relations/relation_families.h"

#include <algorithm>
#include <string>

#include "base/branch_pairs.h"
#include "base/hidden_stems.h"
#include "base/names.h"

namespace qm::relations {
namespace {

constexpr std::size_t kMonth = 1;
constexpr std::size_t kHour = 3;

int Value(const Column& column, Side side) {
  return side == Side::Stem ? column.pillar.stem : column.pillar.branch;
}

bool Holds(Columns columns, Side side, int number) {
  return number != 0 && std::ranges::any_of(columns, [&](const Column& c) {
           return Value(c, side) == number;
         });
}

bool Contains(const std::array<int, 3>& numbers, int number) {
  return number != 0 && std::ranges::find(numbers, number) != numbers.end();
}

// The stem roots in the column's branch when it is one of that branch's hidden stems.
void AddRoot(int stem, const Column& column, std::string_view mark, RelationList& list) {
  if (!Contains(kHiddenStemTable[column.pillar.branch], stem)) return;
  list.Add(std::string(kStemNames[stem]) + "得根在" + std::string(kBranchNames[column.pillar.branch]) +
           std::string(mark));
}

}  // namespace

bool GroupFound(const Group& group, Columns columns, Side side) {
  return std::ranges::all_of(group.members, [&](int member) {
    return member == 0 || Holds(columns, side, member);
  });
}

void AddFoundGroups(std::span<const Group> groups, Columns columns, Side side,
                    RelationList& list) {
  for (const Group& group : groups)
    if (GroupFound(group, columns, side)) list.Add(group.text);
}

void StemRooting(Columns natal, RelationList& list) {
  for (std::size_t i = 0; i < natal.size(); ++i) {
    const int stem = natal[i].pillar.stem;
    if (stem == 0 || Holds(natal.first(i), Side::Stem, stem)) continue;
    AddRoot(stem, natal[kMonth], "*", list);
    AddRoot(stem, natal[kHour], "", list);
  }
}

void PillarPairClash(Columns columns, RelationList& list) {
  for (const Column& a : columns)
    for (const Column& b : columns) {
      const Pillar &p = a.pillar, &q = b.pillar;
      if (&a == &b || p.stem == 0 || p.branch == 0 || q.stem == 0 || q.branch == 0) continue;
      if (Cycle(p.stem - q.stem, 10) == 4 && BranchesClash(p.branch, q.branch))
        list.Add(std::string(a.name) + std::string(b.name) + "天地沖");
    }
}

void StemCombination(Columns columns, RelationList& list) {
  AddFoundGroups(kStemCombinations, columns, Side::Stem, list);
}

void DirectionalAssembly(Columns columns, RelationList& list) {
  AddFoundGroups(kDirectionalAssemblies, columns, Side::Branch, list);
}

TripleCombinationFlags TripleCombination(Columns columns, RelationList& list) {
  TripleCombinationFlags flags{};
  for (std::size_t e = 0; e < kTripleCombinations.size(); ++e) {
    if (!GroupFound(kTripleCombinations[e], columns, Side::Branch)) continue;
    list.Add(kTripleCombinations[e].text);
    flags[e] = true;
  }
  return flags;
}

void SixCombination(Columns columns, RelationList& list) {
  AddFoundGroups(kSixCombinations, columns, Side::Branch, list);
}

void HalfCombination(Columns columns, const TripleCombinationFlags& flags, RelationList& list) {
  for (std::size_t e = 0; e < kHalfCombinations.size(); ++e)
    if (!flags[e]) AddFoundGroups(kHalfCombinations[e], columns, Side::Branch, list);
}

void ThreeBranchPunishment(Columns columns, RelationList& list) {
  AddFoundGroups(kThreeBranchPunishments, columns, Side::Branch, list);
}

void BranchClash(Columns columns, RelationList& list) {
  AddFoundGroups(kBranchClashes, columns, Side::Branch, list);
}

void BranchHarm(Columns columns, RelationList& list) {
  AddFoundGroups(kBranchHarms, columns, Side::Branch, list);
}

void BranchBreak(Columns columns, RelationList& list) {
  AddFoundGroups(kBranchBreaks, columns, Side::Branch, list);
}

void PairAndSelfPunishment(Columns columns, RelationList& list) {
  AddFoundGroups(kPairPunishments, columns, Side::Branch, list);
  for (const SelfPunishment& row : kSelfPunishments)
    if (std::ranges::count_if(columns, [&](const Column& c) { return c.pillar.branch == row.branch; }) >= 2)
      list.Add(row.text);
}

void PillarAndBranchRelations(Columns columns, RelationList& list) {
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
}

void PillarSelfClash(Columns columns, RelationList& list) {
  for (const Column& c : columns)
    if (Contains(kSelfClashBranches[c.pillar.stem], c.pillar.branch)) list.Add(std::string(c.name) + "干支沖");
}

}  // namespace qm::relations
