#include "ziwei/natal_centre.h"

#include <string>

#include "natal/chart.h"
#include "natal/chart_steps.h"

namespace qm::ziwei {
namespace {

// The pillar columns, year to hour from the right: x = 64 - 7k for pillar k = 1..4.
constexpr std::array<double, 4> kCentreColumnXs = {57, 50, 43, 36};

// Where the centre's items stand in the combined chart's scale (0,0)-(83,33.5). The centre
// clears nothing and has no header, stages, states or stage pairs, so their places stay unused.
natal::ChartLayout CentreLayout() {
  natal::ChartLayout layout;
  layout.lifePalace = {50, 2};
  layout.rows.tenGod = 12;
  layout.rows.stem = 14.5;
  layout.rows.branch = 15.5;
  // Only the first character of a hidden stem's text, with its ten god below.
  layout.rows.hiddenStems = 17;
  layout.rows.hiddenStemLastChar = std::nullopt;
  layout.rows.hiddenStemWeight = std::nullopt;
  layout.rows.hiddenTenGods = 18.3;
  // The share list's ten god labels come to x 22 and the rows 12 .. 21.
  layout.strengthTableShift = {21, 8};
  layout.balance.scoreRows = {14.5, 15.5};
  layout.balance.yinYangBalance = {70, 3};
  layout.luck.exchangeLine = {28, 1};
  layout.luck.startLine = {28, 2};
  layout.luck.birthLine = {24, 3};
  // Luck pillar k at x 61.8 - 3k with its age above its stem; a "─" between neighbouring ages,
  // at 61 - 3j: a full character wide, it fills the gap from the last digit of the older age to
  // the first digit of the younger one (at 60.5 - 3j it ran through that last digit).
  layout.luck.firstStemX = 58.8;
  layout.luck.ageDx = 0;
  layout.luck.separatorDx = -0.8;
  layout.luck.rows = {22, 23, 24};
  layout.luck.separator = "─";
  layout.dayMaster.strength = {58, 2};
  layout.dayMaster.standard = {58, 3};
  layout.dayMaster.nineImmortals = {70, 2};
  layout.dayMaster.nayinRows = {12.5, 13.5};
  return layout;
}

}  // namespace

void DrawNatalCentre(ui::Canvas& canvas, const Pillars& pillars, const Moment& moment,
                     std::string_view sex) {
  natal::ChartInputs in;
  in.columns = natal::NatalColumns(pillars, kCentreColumnXs);
  in.lifePalace = pillars.LifePalace();
  in.moment = moment;
  in.sex = std::string(sex);
  // No special-luck flag: the start age always comes from the distance to the 節.
  natal::Chart chart(canvas, std::move(in), CentreLayout());
  using namespace natal;
  using Step = void (*)(Chart&);
  // The natal chart's steps in their order, less the header, the states, the stages, the
  // polarity mark and the luck record; the share list in place of the strength table.
  static constexpr Step kSteps[] = {
      PrintPillars,          PrintLifePalace,          ComputeHiddenStems,
      ComputeTenGods,        ComputeHiddenStemTenGods, CountStems,
      ComputeStemShareList,  ComputeStemListTenGods,   ComputePillarScores,
      ComputeYinYangBalance, ComputeLuckStart,         PrintMonthCommander,
      ComputeLuckPillars,    ComputeDayMasterStrength, ComputeNineImmortals,
      LookupNayin};
  for (Step step : kSteps) step(chart);
}

}  // namespace qm::ziwei
