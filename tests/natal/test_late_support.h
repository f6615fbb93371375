#pragma once
// A chart on a plain canvas for the tests of the later natal steps, and what the canvas shows.
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "base/names.h"
#include "base/program_folder.h"
#include "natal/chart_state.h"
#include "support/temp_folder.h"
#include "ui/canvas.h"

namespace qm::natal::test {

// A text of the canvas with its place.
struct Shown {
  double x, y;
  std::string text;
  bool operator==(const Shown&) const = default;
};

inline std::vector<Shown> ShownTexts(const ui::Canvas& canvas) {
  std::vector<Shown> shown;
  for (const ui::DrawItem& item : canvas.Items())
    if (item.kind == ui::DrawItem::Kind::Text) shown.push_back({item.x1, item.y1, item.text});
  return shown;
}

// The texts printed at one place, in drawing order.
inline std::vector<std::string> TextsAt(const ui::Canvas& canvas, double x, double y) {
  std::vector<std::string> texts;
  for (const Shown& s : ShownTexts(canvas))
    if (s.x == x && s.y == y) texts.push_back(s.text);
  return texts;
}

// Pillars given as (stem, branch) for year, month, day and hour.
inline ChartInputs InputsOf(std::array<std::pair<int, int>, 4> pillars) {
  ChartInputs in;
  auto& p = in.pillars;
  std::tie(p.YearStem, p.YearBranch) = pillars[0];
  std::tie(p.MonthStem, p.MonthBranch) = pillars[1];
  std::tie(p.DayStem, p.DayBranch) = pillars[2];
  std::tie(p.HourStem, p.HourBranch) = pillars[3];
  in.sex = "M";
  in.special = "N";
  return in;
}

inline std::array<int, 8> PillarListOf(const ChartInputs& in) {
  const Pillars& p = in.pillars;
  return {p.YearStem,   p.MonthStem,   p.DayStem,   p.HourStem,
          p.YearBranch, p.MonthBranch, p.DayBranch, p.HourBranch};
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
