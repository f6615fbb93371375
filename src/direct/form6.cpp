#include "direct/form6.h"

#include "direct/entered_pillar_chart.h"
#include "natal/birth_chart_window.h"
#include "relations/pillar_relations.h"
#include "stars/symbolic_stars.h"
#include "ui/program.h"
#include "ui/window_protocol.h"

namespace qm::direct {

Form6::Form6(ui::Program& program) : ui::Window(program, std::string(kName)) {
  SetChartLook("Form6", 11880, 8190);
  AddControls();
  OnClick("cmd_prt", [this] { cmd_prt_Click(); });
  OnClick("cmd_return1", [this] { cmd_return1_Click(); });
  closeBox = "cmd_return1";
}

void Form6::AddControls() {
  const ui::Font kai{"標楷體", 11.25, false};
  // The title's box is only 17 pixels high: 標楷體 14.25 pt would lose the foot of its strokes.
  Add(ui::Label("Label2", std::string(ui::Program::kTitle), {4560, 240, 3255, 255},
                {"標楷體", 11.25, true, true}, backColor))
      .foreColor = 0x0000C0;
  Add(natal::ChartButton("cmd_prt", "列印", {4920, 7440, 975, 375}, kai));
  Add(natal::ChartButton("cmd_return1", "回主頁", {6240, 7440, 975, 375}, kai));
}

void Form6::Form_Load() {
  canvas.Cls();
  ui::ShowInPlaceOfStart(*this);
  性別 = SexCodeOfText(program.start.f性別);
  ui::StopOnError(*this, [this] { Draw(); });
}

void Form6::Draw() {
  const ui::StartVariables& v = program.start;
  const Pillars entered{v.古Y1, v.古Y2, v.古M1, v.古M2, v.古D1, v.古D2, v.古H1, v.古H2};
  natal::Chart chart = EnteredPillarChart(canvas, entered, 性別, StartAgeOfText(v.f幾歲運));
  DrawEnteredPillarChart(chart);
  relations::PrintPillarRelations(*this, chart.StemsThenBranches());
  stars::PrintSymbolicStars(*this, chart.StemsThenBranches(), 性別);
}

void Form6::cmd_prt_Click() { ui::PrintChartWindow(*this, {"cmd_prt", "cmd_return1"}); }

void Form6::cmd_return1_Click() { ui::ReturnToStart(*this); }

}  // namespace qm::direct
