#pragma once
// DrawLuckWindow, the draw step of the luck window, and what it starts from and leaves.
#include <array>
#include <string>

#include "base/pillar.h"
#include "calendar/calendar.h"
#include "calendar/pillars.h"
#include "ui/window.h"

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

// The seven pillars of one drawing, 年 月 日 時 運 歲 流月; 運 is none (0, 0) at an age past
// the tenth luck pillar.
struct LuckChartPillars {
  std::array<Pillar, 7> pillars{};

  std::array<int, 7> Stems() const;
  std::array<int, 7> Branches() const;
  // The seven stems, then the seven branches, as the relation list and the star grid take them.
  std::array<int, 14> StemsThenBranches() const;
};

// The whole luck window, cleared and scaled (0, 0) to (87, 26.5): the luck start, the ten luck
// pillars (also written to BIGFOR), the flowing pillars, the seven-column chart, its relation
// list and its star grid. A missing or short table throws qm::Failure.
LuckChartPillars DrawLuckWindow(ui::Window& window, const LuckWindowInputs& in);

}  // namespace qm::luck
