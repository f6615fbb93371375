#pragma once
// The families of the relation lists. Each runs over a list of pillar columns and adds the
// relations it finds to a RelationList, in the order of its table.
#include <array>
#include <span>

#include "relations/relation_list.h"
#include "relations/relation_tables.h"

namespace qm::relations {

using Columns = std::span<const Column>;

// Whether a group looks at the stems or at the branches of the columns.
enum class Side { Stem, Branch };

// One flag per triple combination (木 火 金 水): set when its line was added.
using TripleCombinationFlags = std::array<bool, kTripleCombinations.size()>;

// The group rule: every member equals the stem (or branch) of at least one column, in any
// columns; a member held by several columns counts once and 0 equals no member.
bool GroupFound(const Group& group, Columns columns, Side side);
// Adds the line of every found group, in table order.
void AddFoundGroups(std::span<const Group> groups, Columns columns, Side side,
                    RelationList& list);

// 得根在: each stem value once, at its first column, roots in the hidden stems of the month
// branch (marked "*") and then of the hour branch. Works on the four natal columns.
void StemRooting(Columns natal, RelationList& list);
// 天地沖: for each ordered pair of columns (i, j), the stem of j six places after the stem of i
// and the branches opposite: year 甲子, month 庚午 -> 年月天地沖.
void PillarPairClash(Columns columns, RelationList& list);
void StemCombination(Columns columns, RelationList& list);
void DirectionalAssembly(Columns columns, RelationList& list);
TripleCombinationFlags TripleCombination(Columns columns, RelationList& list);
void SixCombination(Columns columns, RelationList& list);
// A block of half combinations is tested only while its triple combination was not found.
void HalfCombination(Columns columns, const TripleCombinationFlags& flags, RelationList& list);
// The punishments come in two parts: 三刑 before the clashes, the pair punishments and 自刑
// after the breaks.
void ThreeBranchPunishment(Columns columns, RelationList& list);
void BranchClash(Columns columns, RelationList& list);
void BranchHarm(Columns columns, RelationList& list);
void BranchBreak(Columns columns, RelationList& list);
// 無恩刑, 恃勢刑, 無禮刑, then 自刑: a branch of 辰 午 酉 亥 held by two or more columns.
void PairAndSelfPunishment(Columns columns, RelationList& list);
// Every family between the roots and the clashes within a pillar, in the lists' order: 天地沖,
// the combinations, 三刑, 沖, 害, 破, the pair punishments and 自刑. The natal list frames them
// with its first and last family; the luck list is these alone.
void PillarAndBranchRelations(Columns columns, RelationList& list);
// 干支沖: a column whose own stem and branch control one another: 甲申 as year -> 年干支沖.
void PillarSelfClash(Columns columns, RelationList& list);

}  // namespace qm::relations
