// The ten luck pillars stepped from the month pillar, their start ages, and the step that writes
// them to the luck record BIGFOR.
#include "natal/luck_pillars.h"

#include <cmath>
#include <string>

#include "base/number_text.h"
#include "natal/chart_steps.h"

namespace qm::natal {

std::optional<LuckPillars> LuckPillarsOf(Pillar month, LuckDirection direction) {
  if (direction == LuckDirection::None) return std::nullopt;
  int step = direction == LuckDirection::Forward ? 1 : -1;
  LuckPillars pillars;
  for (int k = 1; k <= kLuckPillarCount; ++k)
    pillars[k - 1] = {NextStem(CheckedStem(month.stem), step * k), NextBranch(CheckedBranch(month.branch), step * k)};
  return pillars;
}

double LuckPillarAge(double startAge, int k, double rounding) {
  return std::floor(startAge + 10 * (k - 1) + rounding);
}

// Each pillar under its age, from right to left, with a separator after each but the last; a
// chart without a direction shows the separators alone.
void ComputeLuckPillars(Chart& chart) {
  const ChartLayout::Luck& at = chart.layout.luck;
  auto stemX = [&](int k) { return at.firstStemX - 3 * (k - 1); };
  chart.luckPillars = LuckPillarsOf(chart.Month(), chart.luckStart.direction);
  if (chart.luckPillars)
    for (int k = 1; k <= kLuckPillarCount; ++k) {
      const Pillar& pillar = (*chart.luckPillars)[k - 1];
      std::string age = RecordNumber(LuckPillarAge(chart.luckStart.age, k, at.ageRounding));
      chart.canvas.PrintAt(stemX(k) + at.ageDx, at.rows[0], LastChars(age, 3));
      chart.canvas.PrintAt(stemX(k), at.rows[1], StemText(pillar.stem));
      chart.canvas.PrintAt(stemX(k), at.rows[2], BranchText(pillar.branch));
    }
  for (int j = 1; j < kLuckPillarCount; ++j)
    chart.canvas.PrintAt(stemX(j) + at.separatorDx, at.rows[0], at.separator);
}

// The working date (empty fields for a chart without one), the day stem, the start age and the
// month pillar with the luck pillars; a chart without a direction writes nothing and leaves the
// record of the chart before.
void WriteLuckRecord(Chart& chart) {
  if (!chart.luckPillars) return;
  const ChartInputs& in = chart.in;
  std::optional<SolarDate> birth;
  if (in.hasBirthDate) birth = SolarDate{in.moment.year, in.moment.month, in.moment.day};
  WriteBigFor({birth, chart.Day().stem, chart.luckStart.age, chart.Month(), *chart.luckPillars});
}

}  // namespace qm::natal
