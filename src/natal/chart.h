#pragma once
// The chart a window draws: its columns, each a pillar at an x with its name, of which the
// first four are the natal year, month, day and hour; what else the steps read (the life palace,
// the moment, its lunar date, the SexCode, the special-luck flag); and one drawing's state: the
// canvas, the layout and the values the steps leave for the later steps of the same drawing.
// Nothing here outlives the drawing except what the steps write to files.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/pillar.h"
#include "calendar/calendar.h"
#include "calendar/pillars.h"
#include "natal/chart_layout.h"
#include "natal/chart_rules.h"
#include "natal/luck_pillars.h"
#include "natal/luck_start.h"
#include "natal/polarity_and_balance.h"
#include "natal/stem_strength.h"
#include "ui/canvas.h"

namespace qm::natal {

// One column of a chart: its pillar, the x of its column and its name (年 月 日 時 運 歲 流月).
struct ChartColumn {
  Pillar pillar;
  double x = 0;
  std::string_view name;
};

// The natal chart window's columns, year, month, day, hour from right to left.
inline constexpr std::array<double, 4> kNatalColumnXs = {77, 70, 63, 56};

// The four natal columns of the pillars at the given x.
std::vector<ChartColumn> NatalColumns(const Pillars& pillars,
                                      const std::array<double, 4>& xs = kNatalColumnXs);

// What a drawing starts from. The columns are the one source of the pillars: a window lists
// the columns it draws (the natal four first), and every step reads its pillars from them.
struct ChartInputs {
  std::vector<ChartColumn> columns;
  Pillar lifePalace;
  Moment moment;  // the working moment
  // False for pillars entered without a birth date: the luck record's date fields stay empty.
  bool hasBirthDate = true;
  std::optional<LunarDate> lunar;  // none before the tables begin
  std::string sex;                 // the SexCode, "M" or "F"
  std::string special;             // the special-luck flag, "Y" or "N"
};

// The natal columns and the life palace of the pillars of a moment.
ChartInputs NatalInputs(const Pillars& pillars);

struct Chart {
  // Throws std::invalid_argument for fewer than the four natal columns.
  Chart(ui::Canvas& canvas, ChartInputs inputs, ChartLayout layout = {});

  ui::Canvas& canvas;
  ChartInputs in;
  ChartLayout layout;

  // Every column the chart draws, and the natal four among them: the steps that concern the
  // chart as a whole (weights, balance, strength, luck) read only these.
  std::span<const ChartColumn> Columns() const { return in.columns; }
  std::span<const ChartColumn, 4> NatalFour() const { return std::span(in.columns).first<4>(); }
  Pillar Year() const { return in.columns[0].pillar; }
  Pillar Month() const { return in.columns[1].pillar; }
  Pillar Day() const { return in.columns[2].pillar; }
  Pillar Hour() const { return in.columns[3].pillar; }
  std::array<Pillar, 4> NatalPillars() const { return {Year(), Month(), Day(), Hour()}; }
  // The eight natal numbers stems first, as the relation list and the star grid take them.
  std::array<int, 8> StemsThenBranches() const;

  // Left by the hidden-stem and stage steps.
  HiddenStemTable branchHiddenStems{};
  StageTable stageBranchTable{};

  // Left by the stem counts and weights.
  StemCounts stemCounts;
  MonthlyStemWeights monthlyStemWeight{};
  StemWeights stemWeights;

  // Left by the pillar scores for the yin-yang balance.
  BalanceItems balanceItems{};

  // Left by the luck start for the month commander and the luck pillars, and by the luck pillars
  // for the luck record.
  LuckStart luckStart;
  std::optional<LuckPillars> luckPillars;
};

}  // namespace qm::natal
