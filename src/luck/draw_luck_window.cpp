#include "luck/draw_luck_window.h"

#include "luck/flowing_pillars.h"
#include "luck/luck_window_texts.h"

namespace qm::luck {

std::array<int, 14> LuckChartPillars::StemsThenBranches() const {
  std::array<int, 14> numbers{};
  for (std::size_t k = 0; k < 7; ++k) {
    numbers[k] = stems[k];
    numbers[k + 7] = branches[k];
  }
  return numbers;
}

LuckChartPillars DrawLuckWindow(ui::Canvas& canvas, const LuckWindowInputs& in) {
  canvas.Cls();
  canvas.SetScale(0, 0, 87, 26.5);
  const long realAge = RealAgeMonths(in.flowYear, in.flowMonth, in.birth.year, in.birth.month);
  PrintFlowDateHeader(canvas, in.flowYear, in.flowMonth, realAge);
  PrintJieBox(canvas, in.flowMonth);
  PrintBirthDateLine(canvas, in.birth);
  const int pillarYear = FlowPillarYear(in.flowYear, in.flowMonth);
  const CyclePair year = FlowYearPillar(ReadYearPillarTable(), pillarYear);
  const CyclePair month = FlowMonthPillar(pillarYear, in.flowMonth);
  const Pillars& n = in.natal;
  return {{n.YearStem, n.MonthStem, n.DayStem, n.HourStem, n.MonthStem, year.stem, month.stem},
          {n.YearBranch, n.MonthBranch, n.DayBranch, n.HourBranch, n.MonthBranch, year.branch,
           month.branch}};
}

}  // namespace qm::luck
