#pragma once
// The rules of the hexagram chart: values only, nothing printed. Lines are indexed 0..5 for
// line 1 (bottom) .. line 6 (top); a branch or stem 0 is a pillar value that was not entered.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/calendar.h"

namespace qm::hexagram {

// The codes of the six lines: "1" young yang, "2" old yang, "3" young yin, "4" old yin; anything
// else (an empty code included) is a young yin line.
using LineCodes = std::array<std::string, 6>;
using SixLines = std::array<int, 6>;

// A moving line is an old one: "2" or "4".
bool IsMovingLine(std::string_view code);

// A coin: the whole number 1..10 of 10 r + 1 for r drawn from [0, 1); it counts when odd. A
// number no generator gives is held to the nearest end: 1 below 0 (and for nan), 10 from 1 on.
int CoinNumber(double r);

// The yang (1) and yin (0) lines of the primary hexagram and of the hexagram it changes into:
// old yang turns yin, old yin turns yang.
struct LineFlags {
  SixLines primary{}, changed{};
};
LineFlags LineFlagsOf(const LineCodes& codes);

// One hexagram as the chart reads it.
struct Hexagram {
  SixLines flags{};
  std::string code;           // line 6 first: 水澤節 is "010011"
  int palace = 0;             // 1..8, 乾 兌 離 震 巽 坎 艮 坤
  int position = 0;           // 1 pure, 2..6 一世..五世, 7 遊魂, 8 歸魂
  int world = 0, response = 0;  // 世 and 應 lines 1..6
  SixLines stems{}, branches{};  // 納甲 of each line
};
Hexagram HexagramOf(const SixLines& flags);

// The six flags as a code, line 6 first.
std::string HexagramCodeOf(const SixLines& flags);

// The (palace, position) whose code this is; every six-line code stands once in the table.
struct PalacePlace {
  int palace = 0, position = 0;
};
PalacePlace FindPalace(std::string_view code);

// The trigram (1..8) of a three-line code, lines 3, 2, 1 from the left.
int TrigramOf(std::string_view code);

// 卦身: counted from 子 up to the world line when that line is yang, from 午 when yin.
// 坤為地 (world line 6 yin) gives 亥.
int HexagramBody(const Hexagram& hexagram);

// The 納音 name of a pillar; empty for a stem and branch of different parity or a missing one.
std::string_view NayinName(int stem, int branch);

// 六沖卦: lines 1-4, 2-5 and 3-6 all clash. 六合卦: all three pairs combine (子丑 寅亥 卯戌
// 辰酉 巳申 午未).
bool IsSixClash(const SixLines& branches);
bool IsSixHarmony(const SixLines& branches);

// 反吟 when each line of a trigram clashes with its changed line, 伏吟 when each stays on its
// branch; only for a trigram with a moving line. `first` is 0 for the inner trigram, 3 for the
// outer.
enum class TrigramEcho { None, Reversed, Hidden };
TrigramEcho TrigramEchoOf(const Hexagram& primary, const Hexagram& changed,
                          const LineCodes& codes, int first);

// The relative (kSixRelatives numbering) of a branch in a palace.
int SixRelative(int palace, int branch);
SixLines RelativesOf(int palace, const SixLines& branches);

// 伏神: the relatives of the palace's pure hexagram that the primary hexagram lacks, on the
// lines where the pure hexagram carries them; 0 on every other line. 天風姤 lacks 妻財, which
// hides under its line 2 as 寅.
SixLines HiddenSpirits(int palace, const SixLines& primaryRelatives);
// The branches of the palace's pure hexagram.
SixLines PureBranches(int palace);

// The beast of each line from line 1 up; none at all without a day stem.
std::optional<SixLines> SixBeastsOf(int dayStem);

// 空亡 of the day pillar; none unless the day pillar is a true pillar.
std::optional<std::array<int, 2>> VoidPair(int dayStem, int dayBranch);

// 月破 and 日沖: the branch opposite a pillar branch; 0 when the branch is missing.
int OppositeBranch(int branch);
// A line branch clashes with a pillar branch that is present when they stand six apart.
bool ClashesWith(int lineBranch, int pillarBranch);

// "進", "退" or nothing for a moving line's branch and its changed branch.
std::string_view AdvanceOrRetreat(int from, int to);

// The count of each element 1..5 among the eight pillar characters; missing values count for
// none. Index 0 unused.
std::array<int, 6> ElementCounts(const Pillars& pillars);

}  // namespace qm::hexagram
