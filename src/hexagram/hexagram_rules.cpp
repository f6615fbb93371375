#include "hexagram/hexagram_rules.h"

#include <algorithm>
#include <cmath>

#include "base/branch_pairs.h"
#include "hexagram/hexagram_tables.h"
#include "stars/void_branches.h"

namespace qm::hexagram {

bool IsMovingLine(std::string_view code) { return code == "2" || code == "4"; }

int CoinNumber(double r) {
  constexpr double kFaces = 10;
  const double coin = std::floor(kFaces * r) + 1;
  if (!(coin >= 1)) return 1;
  return coin >= kFaces ? static_cast<int>(kFaces) : static_cast<int>(coin);
}

LineFlags LineFlagsOf(const LineCodes& codes) {
  LineFlags flags;
  for (int k = 0; k < 6; ++k) {
    const bool yang = codes[k] == "1" || codes[k] == "2";
    flags.primary[k] = yang ? 1 : 0;
    flags.changed[k] = IsMovingLine(codes[k]) ? 1 - flags.primary[k] : flags.primary[k];
  }
  return flags;
}

std::string HexagramCodeOf(const SixLines& flags) {
  std::string code;
  for (int k = 5; k >= 0; --k) code += flags[k] ? '1' : '0';
  return code;
}

PalacePlace FindPalace(std::string_view code) {
  for (int p = 1; p <= 8; ++p)
    for (int q = 1; q <= 8; ++q)
      if (kHexagramCodes[p][q - 1] == code) return {p, q};
  return {};
}

int TrigramOf(std::string_view code) {
  for (int t = 1; t <= 8; ++t)
    if (kTrigramCodes[t] == code) return t;
  return 0;
}

Hexagram HexagramOf(const SixLines& flags) {
  Hexagram h;
  h.flags = flags;
  h.code = HexagramCodeOf(flags);
  const PalacePlace place = FindPalace(h.code);
  h.palace = place.palace;
  h.position = place.position;
  h.world = kWorldLine[place.position];
  h.response = kResponseLine[place.position];
  const int inner = TrigramOf(std::string_view(h.code).substr(3, 3));
  const int outer = TrigramOf(std::string_view(h.code).substr(0, 3));
  for (int k = 0; k < 6; ++k) {
    const bool inside = k < 3;
    h.branches[k] = kTrigramBranches[inside ? inner : outer][k];
    h.stems[k] = inside ? kTrigramStems[inner].inner : kTrigramStems[outer].outer;
  }
  return h;
}

int HexagramBody(const Hexagram& hexagram) {
  const bool yang = hexagram.flags[hexagram.world - 1] == 1;
  return yang ? hexagram.world : hexagram.world + 6;
}

std::string_view NayinName(int stem, int branch) {
  if (stem < 1 || stem > 10 || branch < 1 || branch > 12 || (stem - branch) % 2 != 0) return {};
  // The cycle number n has n = stem (mod 10) and n = branch (mod 12).
  const int cycle = Cycle(6 * stem - 5 * branch, 60);
  return kNayinNames[(cycle + 1) / 2];
}

namespace {

template <class Pair>
bool AllThreePairs(const SixLines& branches, Pair pair) {
  for (int k = 0; k < 3; ++k)
    if (!pair(branches[k], branches[k + 3])) return false;
  return true;
}

}  // namespace

bool IsSixClash(const SixLines& branches) { return AllThreePairs(branches, BranchesClash); }
bool IsSixHarmony(const SixLines& branches) { return AllThreePairs(branches, BranchesCombine); }

TrigramEcho TrigramEchoOf(const Hexagram& primary, const Hexagram& changed,
                          const LineCodes& codes, int first) {
  bool moves = false, reversed = true, hidden = true;
  for (int k = first; k < first + 3; ++k) {
    moves = moves || IsMovingLine(codes[k]);
    reversed = reversed && BranchesClash(primary.branches[k], changed.branches[k]);
    hidden = hidden && primary.branches[k] == changed.branches[k];
  }
  if (!moves) return TrigramEcho::None;
  if (reversed) return TrigramEcho::Reversed;
  return hidden ? TrigramEcho::Hidden : TrigramEcho::None;
}

int SixRelative(int palace, int branch) {
  return kSixRelatives[kPalaceElement[palace]][BranchElement(branch)];
}

SixLines RelativesOf(int palace, const SixLines& branches) {
  SixLines relatives{};
  for (int k = 0; k < 6; ++k) relatives[k] = SixRelative(palace, branches[k]);
  return relatives;
}

SixLines PureBranches(int palace) { return kTrigramBranches[palace]; }

SixLines HiddenSpirits(int palace, const SixLines& primaryRelatives) {
  SixLines hidden = RelativesOf(palace, PureBranches(palace));
  for (int& relative : hidden)
    if (std::find(primaryRelatives.begin(), primaryRelatives.end(), relative) !=
        primaryRelatives.end())
      relative = 0;
  return hidden;
}

std::optional<SixLines> SixBeastsOf(int dayStem) {
  if (dayStem < 1 || dayStem > 10) return std::nullopt;
  SixLines beasts{};
  for (int k = 0; k < 6; ++k) beasts[k] = Cycle(kStartBeast[dayStem] + k, 6);
  return beasts;
}

std::optional<std::array<int, 2>> VoidPair(int dayStem, int dayBranch) {
  return stars::VoidBranches(dayStem, dayBranch);
}

int OppositeBranch(int branch) { return ClashPartner(branch); }

bool ClashesWith(int lineBranch, int pillarBranch) { return BranchesClash(lineBranch, pillarBranch); }

std::string_view AdvanceOrRetreat(int from, int to) {
  auto is = [from, to](const BranchMove& move) { return move.from == from && move.to == to; };
  if (std::any_of(kAdvance.begin(), kAdvance.end(), is)) return "進";
  if (std::any_of(kRetreat.begin(), kRetreat.end(), is)) return "退";
  return {};
}

std::array<int, 6> ElementCounts(const Pillars& p) {
  std::array<int, 6> counts{};
  for (int stem : {p.YearStem, p.MonthStem, p.DayStem, p.HourStem})
    if (stem >= 1 && stem <= 10) ++counts[StemElement(stem)];
  for (int branch : {p.YearBranch, p.MonthBranch, p.DayBranch, p.HourBranch})
    if (int e = BranchElement(branch)) ++counts[e];
  return counts;
}

}  // namespace qm::hexagram
