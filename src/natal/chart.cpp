#include "natal/chart.h"

#include <stdexcept>

namespace qm::natal {

std::vector<ChartColumn> NatalColumns(const Pillars& pillars, const std::array<double, 4>& xs) {
  return {{pillars.Year(), xs[0], "年"},
          {pillars.Month(), xs[1], "月"},
          {pillars.Day(), xs[2], "日"},
          {pillars.Hour(), xs[3], "時"}};
}

ChartInputs NatalInputs(const Pillars& pillars) {
  ChartInputs in;
  in.columns = NatalColumns(pillars);
  in.lifePalace = pillars.LifePalace();
  return in;
}

Chart::Chart(ui::Canvas& canvas, ChartInputs inputs, ChartLayout layout)
    : canvas(canvas), in(std::move(inputs)), layout(std::move(layout)) {
  if (in.columns.size() < 4) throw std::invalid_argument("a chart needs the four natal columns");
}

std::array<int, 8> Chart::StemsThenBranches() const {
  return qm::StemsThenBranches(NatalPillars());
}

}  // namespace qm::natal
