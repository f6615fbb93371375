#pragma once
// Charts on a plain canvas for the tests of the natal rules and steps, and what the canvas shows.
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "base/names.h"
#include "base/program_folder.h"
#include "natal/chart.h"
#include "support/canvas_texts.h"
#include "support/temp_folder.h"
#include "ui/canvas.h"

namespace qm::natal::test {

using qm::test::Shown;
using qm::test::ShownTexts;
using qm::test::TextsAt;

// Pillars given as (stem, branch) for year, month, day and hour.
inline ChartInputs InputsOf(std::array<std::pair<int, int>, 4> pillars) {
  Pillars p;
  std::tie(p.YearStem, p.YearBranch) = pillars[0];
  std::tie(p.MonthStem, p.MonthBranch) = pillars[1];
  std::tie(p.DayStem, p.DayBranch) = pillars[2];
  std::tie(p.HourStem, p.HourBranch) = pillars[3];
  ChartInputs in = NatalInputs(p);
  in.sex = "M";
  in.special = "N";
  return in;
}

// The same with the life palace 丙寅.
inline ChartInputs PillarsWithPalace(std::array<std::pair<int, int>, 4> pillars) {
  ChartInputs in = InputsOf(pillars);
  in.lifePalace = {3, 3};
  return in;
}

// The four natal pillars of pillars given as (stem, branch).
inline std::array<Pillar, 4> NatalOf(std::array<std::pair<int, int>, 4> pillars) {
  std::array<Pillar, 4> natal;
  for (std::size_t i = 0; i < 4; ++i) natal[i] = {pillars[i].first, pillars[i].second};
  return natal;
}

// The twelve stages of every stem as the almanac has them: yang stems run forward from 長生
// at 甲亥 丙寅 戊寅 庚巳 壬申, yin stems backward from 乙午 丁酉 己酉 辛子 癸卯.
inline std::array<std::array<int, 13>, 11> AlmanacStageTable() {
  constexpr std::array<int, 11> kBirthBranch = {0, 12, 7, 3, 10, 3, 10, 6, 1, 9, 4};
  std::array<std::array<int, 13>, 11> table{};
  for (int stem = 1; stem <= 10; ++stem)
    for (int stage = 1; stage <= 12; ++stage)
      table[stem][stage] = NextBranch(kBirthBranch[stem], stem % 2 == 1 ? stage - 1 : 1 - stage);
  return table;
}

using TempProgramFolder = qm::test::TempFolder;

}  // namespace qm::natal::test
