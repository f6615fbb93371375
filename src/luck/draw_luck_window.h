#pragma once
// DrawLuckWindow, the draw step of the luck window, and what it starts from and leaves.
#include <array>
#include <string>

#include "calendar/calendar.h"
#include "calendar/pillars.h"
#include "ui/canvas.h"

namespace qm::luck {

// What one drawing starts from: the birth moment of the record, its SexCode and special-luck
// flag, the natal pillars with the life palace, and the stepped flowing date.
struct LuckWindowInputs {
  Moment birth;
  std::string sex;
  std::string special;
  Pillars natal;
  int flowYear = 0;
  int flowMonth = 0;
};

// The seven columns of one drawing, 年 月 日 時 運 歲 流月: stems and branches, 0 for the 運
// of an age past the tenth luck pillar.
struct LuckChartPillars {
  std::array<int, 7> stems{};
  std::array<int, 7> branches{};

  std::array<int, 14> StemsThenBranches() const;
};

// The whole luck window on the canvas, cleared and scaled (0, 0) to (87, 26.5): the luck start,
// the ten luck pillars (also written to BIGFOR), the flowing pillars, the seven-column chart,
// its relation list and its star grid. A missing or short table throws qm::Failure.
LuckChartPillars DrawLuckWindow(ui::Canvas& canvas, const LuckWindowInputs& in);

}  // namespace qm::luck
