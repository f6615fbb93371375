#include "natal/form2.h"

#include "calendar/calendar.h"
#include "natal/draw_pillar_chart.h"
#include "relations/pillar_relations.h"
#include "stars/symbolic_stars.h"
#include "ui/control_builders.h"
#include "ui/program.h"

namespace qm::natal {

Form2::Form2(ui::Program& program) : BirthChartWindow(program, std::string(kName)) {
  SetChartLook("Form2", 11880, 8511);
  AddControls();
}

void Form2::AddControls() {
  const ui::Font kai{"標楷體", 11.25, false};
  const ui::Font small{"細明體", 9.75, false};
  // The title's box is only 17 pixels high: 標楷體 14.25 pt would lose the foot of its strokes.
  Add(ui::Label("Label2", std::string(ui::Program::kTitle), {240, 240, 3255, 255},
                 {"標楷體", 11.25, true}, backColor))
      .foreColor = 0x0000C0;
  Add(ChartButton("cmd_prt", "列印", {3960, 120, 975, 375}, kai));
  Add(ChartButton("cmd_return1", "回主頁", {5160, 120, 975, 375}, kai));
  Add(ChartButton("Command14", "一日", {6600, 120, 615, 255}, small));
  Add(ChartButton("Command13", "一時", {7320, 120, 615, 255}, small));
  Add(ui::Label("Label1", "<--後 往 前-->", {8160, 120, 1575, 255}, small, backColor));
  Add(ChartButton("Command12", "一時", {9720, 120, 615, 255}, small));
  Add(ChartButton("Command11", "一日", {10440, 120, 615, 255}, small));
}

void Form2::Draw() {
  canvas.Cls();
  InitWorkingDate();
  std::optional<LunarDate> lunar = SolarToLunar(Y初, M初, D初);
  ChartInputs inputs = NatalInputs(ComputePillars(Y初, M初, D初, H初, I初));
  inputs.lunar = lunar;
  inputs.moment = {Y初, M初, D初, H初, I初};
  inputs.sex = 性別;
  inputs.special = 特運;
  Chart chart(canvas, std::move(inputs));
  DrawPillarChart(chart);
  relations::PrintPillarRelations(*this, chart.StemsThenBranches());
  stars::PrintSymbolicStars(*this, chart.StemsThenBranches(), 性別);
}

}  // namespace qm::natal
