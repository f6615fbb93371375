#pragma once
// The rules of the natal analysis that several steps share: the ten gods against the day stem,
// the seasonal states, the hidden stems of a branch, the twelve stages, and the tables they read.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "base/hidden_stems.h"
#include "base/life_stages.h"
#include "base/names.h"
#include "base/pillar.h"
#include "base/utf8.h"

namespace qm::natal {

// The ten-god number of a stem against the day stem, counted from the day stem: 1 for the day
// stem itself, 2 for the stem after it, ... TenGodNumber(1, 2) == 10.
constexpr int TenGodNumber(int stem, int dayStem) { return Cycle(stem - dayStem + 1, 10); }

// The ten god of a stem against the day stem: on a yang day the stem after the day stem robs
// wealth (劫財), on a yin day the stem before it does. 甲 on an 乙 day is 劫財, 丙 傷官.
std::string_view TenGodName(int stem, int dayStem);

// The season index of a month branch: 1 寅卯, 2 巳午, 3 申酉, 4 亥子, 5 辰戌丑未.
inline constexpr std::array<int, 13> kStateSeason = {0, 4, 5, 1, 1, 5, 2, 2, 5, 3, 3, 5, 4};
inline int StateSeason(int monthBranch) { return kStateSeason[CheckedBranch(monthBranch)]; }

// For each season index, the element standing in each state 旺 相 休 囚 死.
inline constexpr std::array<std::array<int, 6>, 6> kSeasonStateTable = {{
    {0, 0, 0, 0, 0, 0},
    {0, 1, 2, 5, 4, 3},  // 寅卯: 木旺 火相 水休 金囚 土死
    {0, 2, 3, 1, 5, 4},  // 巳午: 火旺 土相 木休 水囚 金死
    {0, 4, 5, 3, 2, 1},  // 申酉: 金旺 水相 土休 火囚 木死
    {0, 5, 1, 4, 3, 2},  // 亥子: 水旺 木相 金休 土囚 火死
    {0, 3, 4, 2, 1, 5},  // 辰戌丑未: 土旺 金相 火休 木囚 水死
}};

// The seasonal state (1 旺 .. 5 死) of an element in a season index.
int SeasonStateOf(int element, int stateSeason);

// One slot of a hidden-stem record: its text (stem and element, or empty) and its weight as
// the file writes it.
struct HiddenSlot {
  std::string text;
  std::string weight;
};
using HiddenStemRecord = std::array<HiddenSlot, 3>;
// The records of 地支藏干.DAT, index 1..12 (branch).
using HiddenStemTable = std::array<HiddenStemRecord, 13>;

// The hidden stems of a branch: its record, all three slots; a branch outside 1..12 throws
// qm::Failure.
inline const HiddenStemRecord& HiddenStemsOf(const HiddenStemTable& table, int branch) {
  return table[CheckedBranch(branch)];
}

// A branch shows the first HiddenStemCount(branch) slots of its record. The slot shown in the
// pillar's own column: the middle one of three, else the first.
inline int PrincipalHiddenSlot(int branch) { return HiddenStemCount(branch) == 3 ? 2 : 1; }

// Where the shown slots stand, in units right of the pillar column, by the count shown.
inline constexpr std::array<std::array<double, 3>, 4> kHiddenSlotOffsets = {{
    {0, 0, 0}, {0, 0, 0}, {0, -2, 0}, {2, 0, -2}}};

// The state shown with the day stem's stage.
inline constexpr std::array<std::string_view, 13> kDayStageStates = {
    "", "旺", "囚", "旺", "旺", "相", "休", "囚", "死", "死", "死", "囚", "相"};

// The label of the season of a month branch: spring 寅卯辰, summer 巳午未, autumn 申酉戌,
// winter 亥子丑.
std::string_view SeasonLabel(int monthBranch);

// A row of the stage table: the branch of each stage 1..12 of one stem; the table of
// 干週行支.DAT, index 1..10 (stem).
using StageRow = std::array<int, 13>;
using StageTable = std::array<StageRow, 11>;

// The stage (1..12) at which a stem stands at a branch: the position of the branch in the
// stem's row; 0 when the row lacks it (a branch 0 of a missing pillar among them).
int StageAt(const StageTable& table, int stem, int branch);

// 天干當令.DAT: per stem 1..10 its weight in a month of each branch 1..12.
using MonthlyStemWeights = std::array<std::array<double, 13>, 11>;

}  // namespace qm::natal
