// The polarity mark, the stage pairs, the built-in yin-yang scores of the pillars and their
// balance weighted by the season of the birth month.
#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "base/names.h"
#include "base/number_text.h"
#include "natal/chart_rules.h"
#include "natal/late_steps.h"

namespace qm::natal {
namespace {

// Items of the pillar list, stems first.
enum Item { kYearStem, kMonthStem, kDayStem, kHourStem, kYearBranch, kMonthBranch, kDayBranch, kHourBranch };

struct StagePair {
  Item branch;
  Item stem;
};
constexpr std::array<StagePair, 7> kStagePairs = {{{kYearBranch, kYearStem},
                                                   {kMonthBranch, kMonthStem},
                                                   {kHourBranch, kHourStem},
                                                   {kMonthBranch, kHourStem},
                                                   {kHourBranch, kMonthStem},
                                                   {kMonthBranch, kYearStem},
                                                   {kHourBranch, kYearStem}}};

constexpr std::array<int, 11> kStemBalanceScore = {0, 3, 1, 7, 5, 1, -1, -1, -3, -5, -7};
constexpr std::array<int, 13> kBranchBalanceScore = {0, -7, -2, 3, 1, -6, 7, 5, 2, -1, -3, 6, -5};

// The season group of a month branch: 寅卯未 1, 巳午戌 2, 申酉丑 3, 亥子辰 4. A branch is in
// season when it is in the month branch's group, a stem when its element is the group's.
constexpr std::array<int, 13> kSeasonGroupOfBranch = {0, 4, 3, 1, 1, 4, 2, 2, 1, 3, 3, 2, 4};
constexpr std::array<int, 5> kSeasonGroupElement = {0, 1, 2, 4, 5};  // 木 火 金 水

}  // namespace

void PrintPurePolarity(Chart& chart) {
  auto stems = std::span(chart.pillarList).first(4);
  auto odd = [](int stem) { return stem % 2 == 1; };
  const PrintPlace& at = chart.layout.late.purePolarity;
  if (std::all_of(stems.begin(), stems.end(), odd)) chart.canvas.PrintAt(at.x, at.y, "純陽");
  if (std::none_of(stems.begin(), stems.end(), odd)) chart.canvas.PrintAt(at.x, at.y, "純陰");
}

// The stage of a pillar stem at a pillar branch, read from the stem's row of the stage table:
// 甲 at a 亥 branch is 長生, printed 長 over 生.
void ComputePairStages(Chart& chart) {
  for (std::size_t i = 0; i < kStagePairs.size(); ++i) {
    int stage = StageAt(chart.stageBranchTable, chart.pillarList[kStagePairs[i].stem],
                        chart.pillarList[kStagePairs[i].branch]);
    if (stage == 0) continue;
    std::string_view word = kLifeStageWords[stage];
    const PrintPlace& at = chart.layout.late.stagePairs[i];
    chart.canvas.PrintAt(at.x, at.y, CharOf(word, 0));
    chart.canvas.PrintAt(at.x, at.y + 1, LastChars(word, 1));
  }
}

void ComputePillarScores(Chart& chart) {
  const LateStepsLayout& layout = chart.layout.late;
  int group = kSeasonGroupOfBranch[chart.pillarList[kMonthBranch]];
  for (int p = 0; p < 4; ++p) {
    int stem = chart.pillarList[p], branch = chart.pillarList[p + 4];
    chart.balanceScore[p] = kStemBalanceScore[stem];
    chart.balanceScore[p + 4] = kBranchBalanceScore[branch];
    chart.balanceInSeason[p] = StemElement(stem) == kSeasonGroupElement[group];
    chart.balanceInSeason[p + 4] = kSeasonGroupOfBranch[branch] == group;
    double x = chart.layout.columns[p] + layout.besideColumn;
    for (int row = 0; row < 2; ++row)
      chart.canvas.PrintAt(x, layout.scoreRows[row],
                           FormatText(FormatNumber(chart.balanceScore[p + 4 * row], "#0"), "@@"));
  }
}

void ComputeYinYangBalance(Chart& chart) {
  double inSeason = 0, outOfSeason = 0;
  for (std::size_t i = 0; i < chart.balanceScore.size(); ++i)
    (chart.balanceInSeason[i] ? inSeason : outOfSeason) += chart.balanceScore[i];
  double balance = 1.2 * inSeason + outOfSeason;
  const PrintPlace& at = chart.layout.late.yinYangBalance;
  chart.canvas.PrintAt(at.x, at.y, "陰陽氣含: " + FormatNumber(balance, "#0.00"));
}

}  // namespace qm::natal
