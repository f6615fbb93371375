// The header of a natal chart, its pillars and the seasonal state of each pillar stem.
#include <string>

#include "natal/chart_rules.h"
#include "natal/early_steps.h"

namespace qm::natal {
namespace {

// A number in plain decimal form, cut to its last n characters.
std::string Cut(int value, std::size_t n) { return std::string(LastChars(std::to_string(value), n)); }

std::string SolarLine(const ChartInputs& in) {
  return "陽曆" + Cut(in.year, 3) + "/" + Cut(in.month, 2) + "/" + Cut(in.day, 2) + " " +
         Cut(in.hour, 2) + ":" + Cut(in.minute, 2) + "生";
}

std::string LunarLine(const LunarDate& lunar) {
  return "陰曆" + Cut(lunar.year, 3) + "/" + Cut(static_cast<int>(lunar.month), 2) +
         (lunar.leapFlag == "1" ? "(閏)" : "") + "/" + Cut(lunar.day, 2) + "生";
}

}  // namespace

void PrintBirthHeader(Chart& chart) {
  const ChartLayout& at = chart.layout;
  if (at.clearAndScale) {
    chart.canvas.Cls();
    chart.canvas.SetScale(at.scale.left, at.scale.top, at.scale.right, at.scale.bottom);
  }
  chart.canvas.PrintAt(at.sex.x, at.sex.y, chart.in.sex == "M" ? "男" : "女");
  if (!at.dateLines) return;
  chart.canvas.PrintAt(at.solarLine.x, at.solarLine.y, SolarLine(chart.in));
  // A birth before the first New Year of the tables has no lunar date, and no lunar line.
  if (chart.in.lunar)
    chart.canvas.PrintAt(at.lunarLine.x, at.lunarLine.y, LunarLine(*chart.in.lunar));
}

void PrintPillars(Chart& chart) {
  const Pillars& p = chart.in.pillars;
  chart.pillarList = {p.YearStem,   p.MonthStem,   p.DayStem,   p.HourStem,
                      p.YearBranch, p.MonthBranch, p.DayBranch, p.HourBranch};
  const ChartLayout& at = chart.layout;
  for (int i = 0; i < 4; ++i) {
    chart.canvas.PrintAt(at.columns[i], at.rows.stem, StemText(chart.pillarList[i]));
    chart.canvas.PrintAt(at.columns[i], at.rows.branch, BranchText(chart.pillarList[i + 4]));
  }
  chart.canvas.PrintAt(at.lifePalace.x, at.lifePalace.y,
                       "命宮:" + std::string(StemText(p.LifePalaceStem)) +
                           std::string(BranchText(p.LifePalaceBranch)));
}

void ComputeSeasonalStates(Chart& chart) {
  const ChartLayout& at = chart.layout;
  for (int i = 0; i < 4; ++i)
    chart.canvas.PrintAt(at.columns[i], at.rows.element,
                         kElementNames[StemElement(CheckedStem(chart.pillarList[i]))]);
  chart.monthStateSeason = StateSeason(chart.pillarList[5]);
  for (int i = 0; i < 4; ++i) {
    int state = SeasonStateOf(StemElement(chart.pillarList[i]), chart.monthStateSeason);
    chart.canvas.PrintAt(at.columns[i], at.rows.state, kSeasonStateNames[state]);
  }
}

}  // namespace qm::natal
