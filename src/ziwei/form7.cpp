#include "ziwei/form7.h"

#include <optional>

#include "base/failure.h"
#include "calendar/calendar.h"
#include "ziwei/draw_ziwei_chart.h"
#include "ziwei/natal_centre.h"

namespace qm::ziwei {

Form7::Form7(ui::Program& program) : BirthChartWindow(program, std::string(kName)) {
  SetChartLook("Form7", 11835, 8145);
  AddControls();
}

void Form7::AddControls() {
  const ui::Font kai{"標楷體", 11.25, false};
  const ui::Font small{"細明體", 9.75, false};
  // The title's box is only 17 pixels high: 標楷體 14.25 pt would lose the foot of its strokes.
  Add(ui::Label("Label2", "Quillmere 紫微八字共盤程式", {0, 120, 3855, 255},
                        {"標楷體", 11.25, false}, backColor))
      .foreColor = 0x0000C0;
  Add(natal::ChartButton("Command14", "一日", {7200, 0, 615, 255}, small));
  Add(natal::ChartButton("Command13", "一時", {7920, 0, 615, 255}, small));
  Add(ui::Label("Label1", "<--後 往 前-->", {8760, 0, 1575, 255}, small, backColor));
  Add(natal::ChartButton("Command12", "一時", {10320, 0, 615, 255}, small));
  Add(natal::ChartButton("Command11", "一日", {11040, 0, 615, 255}, small));
  Add(natal::ChartButton("cmd_return1", "回主頁", {3240, 5400, 975, 375}, kai));
  Add(natal::ChartButton("cmd_prt", "列印", {3240, 5760, 975, 375}, kai));
}

void Form7::Draw() {
  canvas.Cls();
  InitWorkingDate();
  ZiWeiInputs in;
  const std::optional<LunarDate> lunar = SolarToLunar(Y初, M初, D初);
  if (!lunar) throw Failure("農曆表查無此日");
  in.lunar = *lunar;
  in.pillars = ComputePillars(Y初, M初, D初, H初, I初);
  in.year = Y初, in.month = M初, in.day = D初;
  in.sex = 性別;
  ZiWeiChart chart(canvas, std::move(in));
  DrawZiWeiChart(chart);
  DrawNatalCentre(canvas, chart.in.pillars, {Y初, M初, D初, H初, I初}, 性別);
}

}  // namespace qm::ziwei
