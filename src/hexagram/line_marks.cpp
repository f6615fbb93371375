// The six relatives of both hexagrams, then what the palace, the day and the month add to the
// lines: hidden spirits, six beasts, 空 破 沖 marks, 進 and 退, seasonal states, life stages and
// the pillars in the box.
#include <string>

#include "base/number_text.h"
#include "hexagram/hexagram_chart.h"
#include "hexagram/hexagram_tables.h"
#include "natal/chart_rules.h"

namespace qm::hexagram {
namespace {

std::string RelativeName(int relative) { return std::string(kSixRelativeNames[relative]); }

// The x of one mark on a hidden-spirit line, a primary line and a changed line.
struct MarkColumns {
  double hidden, primary, changed;
};

// Marks every line whose primary, changed or (where a spirit hides) pure branch passes the test.
template <class Test>
void PrintLineMarks(ui::Canvas& canvas, const HexagramChart& chart, const MarkColumns& x,
                    std::string_view mark, Test test) {
  const SixLines hidden = HiddenSpirits(chart.primary.palace, chart.primaryRelatives);
  const SixLines pure = PureBranches(chart.primary.palace);
  for (int k = 0; k < 6; ++k) {
    if (test(chart.primary.branches[k])) canvas.PrintAt(x.primary, LineRow(k), mark);
    if (test(chart.changed.branches[k])) canvas.PrintAt(x.changed, LineRow(k), mark);
    if (hidden[k] && test(pure[k])) canvas.PrintAt(x.hidden, LineRow(k), mark);
  }
}

// "(" branch ")" under a pillar of the box.
void PrintBracketed(ui::Canvas& canvas, double x, int branch) {
  canvas.PrintAt(x, 8, "(");
  canvas.PrintAt(x + 1, 8, BranchName(branch));
  canvas.PrintAt(x + 3, 8, ")");
}

}  // namespace

void PrintSixRelatives(ui::Canvas& canvas, HexagramChart& chart) {
  const Hexagram& p = chart.primary;
  const Hexagram& c = chart.changed;
  chart.primaryRelatives = RelativesOf(p.palace, p.branches);
  const SixLines byPrimaryPalace = RelativesOf(p.palace, c.branches);
  const SixLines byOwnPalace = RelativesOf(c.palace, c.branches);
  for (int k = 0; k < 6; ++k) canvas.PrintAt(26, LineRow(k), RelativeName(chart.primaryRelatives[k]));
  for (int k = 0; k < 6; ++k) canvas.PrintAt(57.5, LineRow(k), RelativeName(byPrimaryPalace[k]));
  for (int k = 0; k < 6; ++k) canvas.PrintAt(67, LineRow(k), "(" + RelativeName(byOwnPalace[k]) + ")");
}

void PrintHiddenSpirits(ui::Canvas& canvas, const HexagramChart& chart) {
  const SixLines hidden = HiddenSpirits(chart.primary.palace, chart.primaryRelatives);
  const SixLines pure = PureBranches(chart.primary.palace);
  for (int k = 0; k < 6; ++k)
    if (hidden[k])
      canvas.PrintAt(7, LineRow(k), RelativeName(hidden[k]) + " " + std::string(BranchName(pure[k])));
}

void PrintSixBeasts(ui::Canvas& canvas, const HexagramChart& chart) {
  const std::optional<SixLines> beasts = SixBeastsOf(chart.pillars.DayStem);
  if (!beasts) return;
  for (int k = 0; k < 6; ++k) canvas.PrintAt(2, LineRow(k), kSixBeasts[(*beasts)[k]]);
}

void PrintVoidMarks(ui::Canvas& canvas, const HexagramChart& chart) {
  const auto pair = VoidPair(chart.pillars.DayStem, chart.pillars.DayBranch);
  if (!pair) return;
  PrintLineMarks(canvas, chart, {15.1, 42.1, 48.5}, "空",
                 [&](int branch) { return branch == (*pair)[0] || branch == (*pair)[1]; });
}

void PrintSeasonalStates(ui::Canvas& canvas, const HexagramChart& chart) {
  const int month = chart.pillars.MonthBranch;
  if (month < 1 || month > 12) return;
  const int season = natal::StateSeason(month);
  for (int e = 1; e <= 5; ++e)
    canvas.PrintAt(35, 3 + e, kSeasonStateNames[natal::SeasonStateOf(e, season)]);
}

void PrintMonthBreak(ui::Canvas& canvas, const HexagramChart& chart) {
  const int month = chart.pillars.MonthBranch;
  PrintBracketed(canvas, 52, OppositeBranch(month));
  PrintLineMarks(canvas, chart, {16.7, 43.7, 50.1}, "破",
                 [month](int branch) { return ClashesWith(branch, month); });
}

void PrintLifeStagesAndVoid(ui::Canvas& canvas, const HexagramChart& chart) {
  canvas.PrintAt(35, 10, "生 祿 旺 墓 絕");
  const int day = chart.pillars.DayBranch;
  const int element = BranchElement(day);
  std::string stages;
  for (int i = 0; i < 5; ++i) {
    if (i > 0) stages += " ";
    stages += BranchName(kLifeStagesOfElement[element][i]);
  }
  canvas.PrintAt(35, 11, stages);
  const auto pair = VoidPair(chart.pillars.DayStem, day);
  canvas.PrintAt(52, 10, "空:" + std::string(BranchName(pair ? (*pair)[0] : 0)) +
                             std::string(BranchName(pair ? (*pair)[1] : 0)));
}

void PrintDayClash(ui::Canvas& canvas, const HexagramChart& chart) {
  const int day = chart.pillars.DayBranch;
  PrintBracketed(canvas, 48, OppositeBranch(day));
  PrintLineMarks(canvas, chart, {13.5, 40.5, 46.9}, "沖",
                 [day](int branch) { return ClashesWith(branch, day); });
}

void PrintAdvanceRetreat(ui::Canvas& canvas, const HexagramChart& chart) {
  for (int k = 0; k < 6; ++k) {
    if (!IsMovingLine(chart.in.lines[k])) continue;
    const std::string_view word =
        AdvanceOrRetreat(chart.primary.branches[k], chart.changed.branches[k]);
    if (!word.empty()) canvas.PrintAt(45.3, LineRow(k), word);
  }
}

void PrintPillarsInBox(ui::Canvas& canvas, const HexagramChart& chart) {
  const Pillars& p = chart.pillars;
  struct Column {
    double x;
    int stem, branch;
  };
  for (const Column& c : {Column{57, p.YearStem, p.YearBranch}, Column{53, p.MonthStem, p.MonthBranch},
                          Column{49, p.DayStem, p.DayBranch}, Column{45, p.HourStem, p.HourBranch}}) {
    canvas.PrintAt(c.x, 4, StemName(c.stem));
    canvas.PrintAt(c.x, 6, BranchName(c.branch));
  }
}

}  // namespace qm::hexagram
