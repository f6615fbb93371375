// The ten luck pillars stepped from the month pillar, their start ages, and the luck record
// BIGFOR that hands them to the fortune curve.
#include <array>
#include <cmath>
#include <string>

#include "base/names.h"
#include "base/number_text.h"
#include "natal/chart_rules.h"
#include "natal/late_steps.h"
#include "natal/luck_record.h"

namespace qm::natal {
namespace {

// Writes the luck record whole: the working date, the day stem, the start age, the month
// pillar and the ten luck pillars. The file is replaced only once it is complete.
void WriteBigFor(const Chart& chart, const std::array<LuckPillar, kLuckPillarCount>& pillars) {
  const ChartInputs& in = chart.in;
  WriteLuckRecord({.birth = LuckDate{in.year, in.month, in.day},
                   .dayStem = in.pillars.DayStem,
                   .luckStartAge = chart.luckStartAge,
                   .monthStem = in.pillars.MonthStem,
                   .monthBranch = in.pillars.MonthBranch,
                   .pillars = pillars});
}

}  // namespace

// Luck pillar k is the month pillar k steps on, forward or backward: a 丙寅 month runs 丁卯,
// 戊辰 ... forward and 乙丑, 甲子 ... backward.
void ComputeLuckPillars(Chart& chart) {
  const LateStepsLayout& layout = chart.layout.late;
  auto stemX = [&](int k) { return layout.luckFirstStemX - 3 * (k - 1); };
  if (chart.luckDirection != LuckDirection::None) {
    int step = chart.luckDirection == LuckDirection::Forward ? 1 : -1;
    std::array<LuckPillar, kLuckPillarCount> pillars;
    for (int k = 1; k <= kLuckPillarCount; ++k) {
      LuckPillar& pillar = pillars[k - 1];
      pillar = {NextStem(chart.in.pillars.MonthStem, step * k),
                NextBranch(chart.in.pillars.MonthBranch, step * k)};
      std::string age = RecordNumber(std::floor(chart.luckStartAge + 10 * (k - 1) + 0.5));
      double x = stemX(k);
      chart.canvas.PrintAt(x + layout.luckAgeDx, layout.luckRows[0], LastChars(age, 3));
      chart.canvas.PrintAt(x, layout.luckRows[1], StemText(pillar.stem));
      chart.canvas.PrintAt(x, layout.luckRows[2], BranchText(pillar.branch));
    }
    if (layout.writeLuckRecord) WriteBigFor(chart, pillars);
  }
  for (int j = 1; j < kLuckPillarCount; ++j)
    chart.canvas.PrintAt(stemX(j) + layout.luckSeparatorDx, layout.luckRows[0], layout.luckSeparator);
}

}  // namespace qm::natal
