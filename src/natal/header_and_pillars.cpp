// The header of a natal chart, its pillars and the seasonal state of each pillar stem.
#include <string>

#include "base/number_text.h"
#include "natal/chart_steps.h"

namespace qm::natal {
namespace {

std::string SolarLine(const ChartInputs& in) {
  const Moment& m = in.moment;
  return "陽曆" + LastDigits(m.year, 3) + "/" + LastDigits(m.month, 2) + "/" +
         LastDigits(m.day, 2) + " " + LastDigits(m.hour, 2) + ":" + LastDigits(m.minute, 2) + "生";
}

std::string LunarLine(const LunarDate& lunar) {
  return "陰曆" + LastDigits(lunar.year, 3) + "/" + LastDigits(static_cast<int>(lunar.month), 2) +
         (lunar.leapFlag == "1" ? "(閏)" : "") + "/" + LastDigits(lunar.day, 2) + "生";
}

void PrintAt(Chart& chart, const PrintPlace& at, std::string_view text) {
  chart.canvas.PrintAt(at.x, at.y, text);
}

}  // namespace

void ClearToScale(Chart& chart) {
  const ui::Scale& scale = chart.layout.scale;
  chart.canvas.Cls();
  chart.canvas.SetScale(scale.left, scale.top, scale.right, scale.bottom);
}

// The header shows 男 only for the code "M" itself.
void PrintSex(Chart& chart) { PrintAt(chart, chart.layout.sex, chart.in.sex == "M" ? "男" : "女"); }

void PrintBirthDates(Chart& chart) {
  PrintAt(chart, chart.layout.solarLine, SolarLine(chart.in));
  // A birth before the first New Year of the tables has no lunar date, and no lunar line.
  if (chart.in.lunar) PrintAt(chart, chart.layout.lunarLine, LunarLine(*chart.in.lunar));
}

void PrintPillars(Chart& chart) {
  const ChartLayout::Rows& rows = chart.layout.rows;
  for (const ChartColumn& column : chart.Columns()) {
    chart.canvas.PrintAt(column.x, rows.stem, StemText(column.pillar.stem));
    chart.canvas.PrintAt(column.x, rows.branch, BranchText(column.pillar.branch));
  }
}

void PrintLifePalace(Chart& chart) {
  const Pillar& palace = chart.in.lifePalace;
  PrintAt(chart, chart.layout.lifePalace,
          "命宮:" + std::string(StemText(palace.stem)) + std::string(BranchText(palace.branch)));
}

// The element of each column's stem and its state in the birth month: in a 寅 month 甲 is 木 旺.
void ComputeSeasonalStates(Chart& chart) {
  const ChartLayout::Rows& rows = chart.layout.rows;
  for (const ChartColumn& column : chart.Columns())
    chart.canvas.PrintAt(column.x, rows.element, kElementNames[StemElement(CheckedStem(column.pillar.stem))]);
  int season = StateSeason(chart.Month().branch);
  for (const ChartColumn& column : chart.Columns()) {
    int state = SeasonStateOf(StemElement(column.pillar.stem), season);
    chart.canvas.PrintAt(column.x, rows.state, kSeasonStateNames[state]);
  }
}

}  // namespace qm::natal
