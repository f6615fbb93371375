// The polarity mark, the stage pairs, the built-in yin-yang scores of the pillars and their
// balance weighted by the season of the birth month.
#include "natal/polarity_and_balance.h"

#include <algorithm>
#include <string>

#include "base/number_text.h"
#include "natal/chart_steps.h"

namespace qm::natal {
namespace {

enum PillarIndex { kYear, kMonth, kDay, kHour };

// The branch and the stem of each stage pair, by pillar.
struct StagePair {
  PillarIndex branch;
  PillarIndex stem;
};
constexpr std::array<StagePair, 7> kStagePairs = {
    {{kYear, kYear}, {kMonth, kMonth}, {kHour, kHour}, {kMonth, kHour}, {kHour, kMonth}, {kMonth, kYear}, {kHour, kYear}}};

constexpr std::array<int, 11> kStemBalanceScore = {0, 3, 1, 7, 5, 1, -1, -1, -3, -5, -7};
constexpr std::array<int, 13> kBranchBalanceScore = {0, -7, -2, 3, 1, -6, 7, 5, 2, -1, -3, 6, -5};

// The season group of a month branch: 寅卯未 1, 巳午戌 2, 申酉丑 3, 亥子辰 4. A branch is in
// season when it is in the month branch's group, a stem when its element is the group's.
constexpr std::array<int, 13> kSeasonGroupOfBranch = {0, 4, 3, 1, 1, 4, 2, 2, 1, 3, 3, 2, 4};
constexpr std::array<int, 5> kSeasonGroupElement = {0, 1, 2, 4, 5};  // 木 火 金 水

}  // namespace

std::string_view PurePolarity(std::span<const Pillar, 4> natal) {
  auto odd = [](const Pillar& p) { return p.stem % 2 == 1; };
  if (std::all_of(natal.begin(), natal.end(), odd)) return "純陽";
  if (std::none_of(natal.begin(), natal.end(), odd)) return "純陰";
  return {};
}

std::array<int, 7> PairStages(std::span<const Pillar, 4> natal, const StageTable& stages) {
  std::array<int, 7> found{};
  for (std::size_t i = 0; i < kStagePairs.size(); ++i)
    found[i] = StageAt(stages, natal[kStagePairs[i].stem].stem, natal[kStagePairs[i].branch].branch);
  return found;
}

BalanceItems PillarScores(std::span<const Pillar, 4> natal) {
  int group = kSeasonGroupOfBranch[CheckedBranch(natal[kMonth].branch)];
  BalanceItems items;
  for (std::size_t p = 0; p < 4; ++p) {
    int stem = CheckedStem(natal[p].stem), branch = CheckedBranch(natal[p].branch);
    items[p] = {kStemBalanceScore[stem], StemElement(stem) == kSeasonGroupElement[group]};
    items[p + 4] = {kBranchBalanceScore[branch], kSeasonGroupOfBranch[branch] == group};
  }
  return items;
}

double YinYangBalance(const BalanceItems& items) {
  double inSeason = 0, outOfSeason = 0;
  for (const BalanceItem& item : items) (item.inSeason ? inSeason : outOfSeason) += item.score;
  return 1.2 * inSeason + outOfSeason;
}

void PrintPurePolarity(Chart& chart) {
  std::string_view mark = PurePolarity(chart.NatalPillars());
  const PrintPlace& at = chart.layout.balance.purePolarity;
  if (!mark.empty()) chart.canvas.PrintAt(at.x, at.y, mark);
}

// The stage of a pillar stem at a pillar branch, its word down its place: 甲 at a 亥 branch is
// 長生, printed 長 over 生.
void ComputePairStages(Chart& chart) {
  const std::array<int, 7> stages = PairStages(chart.NatalPillars(), chart.stageBranchTable);
  for (std::size_t i = 0; i < stages.size(); ++i) {
    if (stages[i] == 0) continue;
    std::string_view word = kLifeStageWords[stages[i]];
    const PrintPlace& at = chart.layout.balance.stagePairs[i];
    chart.canvas.PrintAt(at.x, at.y, CharOf(word, 0));
    chart.canvas.PrintAt(at.x, at.y + 1, LastChars(word, 1));
  }
}

void ComputePillarScores(Chart& chart) {
  chart.balanceItems = PillarScores(chart.NatalPillars());
  const std::array<double, 2>& rows = chart.layout.balance.scoreRows;
  for (std::size_t p = 0; p < 4; ++p) {
    double x = chart.NatalFour()[p].x + chart.layout.besideColumn;
    for (std::size_t row = 0; row < 2; ++row)
      chart.canvas.PrintAt(x, rows[row], FormatText(FormatNumber(chart.balanceItems[p + 4 * row].score, "#0"), "@@"));
  }
}

void ComputeYinYangBalance(Chart& chart) {
  const PrintPlace& at = chart.layout.balance.yinYangBalance;
  chart.canvas.PrintAt(at.x, at.y, "陰陽氣含: " + FormatNumber(YinYangBalance(chart.balanceItems), "#0.00"));
}

}  // namespace qm::natal
