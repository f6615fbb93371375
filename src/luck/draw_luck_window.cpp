#include "luck/draw_luck_window.h"

#include "luck/flowing_pillars.h"
#include "luck/luck_chart_steps.h"
#include "luck/luck_window_texts.h"
#include "natal/chart_steps.h"
#include "relations/luck_relations.h"
#include "stars/luck_stars.h"

namespace qm::luck {
namespace {

constexpr std::size_t kLuck = 4, kYear = 5, kMonth = 6;

// The natal steps' places in the luck window: the pillars on rows 5 and 6 under the ten gods
// of rows 2.3 and 3.3, one row of hidden stems, the stages on rows 12 and 13, the luck pillars
// on rows 22 to 24, the element states at x 17, the day-master lines at (65, 20) with no blank
// after their colons; no stage states, no season label.
natal::ChartLayout LuckLayout() {
  natal::ChartLayout at;
  at.scale = {0, 0, 87, 26.5};
  at.sex = {1, 15};
  at.lifePalace = {5, 15};
  at.rows.tenGod = 2.3;
  at.rows.stem = 5;
  at.rows.branch = 6;
  at.rows.hiddenStems = 8;
  at.rows.hiddenStemLastChar = std::nullopt;
  at.rows.hiddenStemWeight = std::nullopt;
  at.rows.hiddenTenGods = 9;
  at.rows.stageState = std::nullopt;
  at.rows.stageWord = 12;
  at.seasonLabel = std::nullopt;
  at.elementStateX = 17;
  at.balance.purePolarity = {16, 15};
  at.luck.rows = {22, 23, 24};
  at.dayMaster.strength = {65, 20};
  at.dayMaster.standard = {65, 21};
  at.dayMaster.labelEnd = ":";
  // The "生於" line, at its longest, would run into the relation list's 18th line at x 23 on
  // its row; one size smaller it ends before it.
  at.luck.birthLineSize = 10.5;
  return at;
}

natal::ChartInputs NatalInputsOf(const LuckWindowInputs& in) {
  natal::ChartInputs chart = natal::NatalInputs(in.natal);
  chart.moment = in.birth;
  chart.sex = in.sex;
  chart.special = in.special;
  return chart;
}

// 運 (the month pillar before the luck start, none past the tenth pillar), 歲 and 流月.
LuckChartPillars SevenPillars(const natal::Chart& chart, const LuckWindowInputs& in, long realAge) {
  LuckChartPillars seven;
  const std::array<Pillar, 4> natal = chart.NatalPillars();
  std::copy(natal.begin(), natal.end(), seven.pillars.begin());
  if (chart.luckPillars)
    if (const std::optional<int> k = LuckPillarInForce(realAge, LuckStartMinutes(chart.luckStart)))
      seven.pillars[kLuck] = *k == 0 ? chart.Month() : (*chart.luckPillars)[static_cast<std::size_t>(*k - 1)];
  const int pillarYear = FlowPillarYear(in.flowYear, in.flowMonth);
  seven.pillars[kYear] = FlowYearPillar(ReadYearPillarTable(), pillarYear);
  seven.pillars[kMonth] = FlowMonthPillar(pillarYear, in.flowMonth);
  return seven;
}

// The flowing columns join the chart after the natal four; a 運 without a pillar is no column.
void AddFlowingColumns(natal::Chart& chart, const LuckChartPillars& seven) {
  constexpr std::array<std::string_view, 3> kNames = {"運", "歲", "流月"};
  for (std::size_t k = kLuck; k <= kMonth; ++k)
    if (seven.pillars[k].IsValid()) chart.in.columns.push_back({seven.pillars[k], ColumnX(k), kNames[k - kLuck]});
}

// The seven-column chart: the natal steps over the columns, the whole-chart rules over the
// natal four, and the luck window's own stem table, stages and element lines.
void DrawLuckChart(ui::Window& window, natal::Chart& chart, const LuckChartPillars& seven) {
  using namespace natal;
  PrintPillars(chart);
  PrintLifePalace(chart);
  ComputeHiddenStems(chart);
  ComputeTenGods(chart);
  ComputeHiddenStemTenGods(chart);
  ComputeTwelveStages(chart);
  CountStems(chart);
  WeighChartStems(chart);
  PrintStemTableFrame(chart.canvas);
  ComputeElementStates(chart);
  ComputeStemListTenGods(chart);
  PrintPurePolarity(chart);
  ComputeOwnSeatStages(chart.canvas, chart.stageBranchTable, seven.Stems(), seven.Branches());
  ComputeDayMasterStrength(chart);
  PrintStageLetters(chart.canvas, chart.stageBranchTable, seven.Branches());
  PrintElementLines(chart.canvas, seven.Stems(), seven.Branches());
  relations::PrintLuckRelations(window, seven.StemsThenBranches());
  stars::PrintLuckStars(window, seven.StemsThenBranches(), chart.in.sex);
}

}  // namespace

std::array<int, 7> LuckChartPillars::Stems() const {
  std::array<int, 7> stems{};
  for (std::size_t k = 0; k < 7; ++k) stems[k] = pillars[k].stem;
  return stems;
}

std::array<int, 7> LuckChartPillars::Branches() const {
  std::array<int, 7> branches{};
  for (std::size_t k = 0; k < 7; ++k) branches[k] = pillars[k].branch;
  return branches;
}

std::array<int, 14> LuckChartPillars::StemsThenBranches() const {
  return qm::StemsThenBranches(pillars);
}

// The luck start, the window's own header texts and the luck pillars, then the flowing
// pillars, then the chart of seven columns.
LuckChartPillars DrawLuckWindow(ui::Window& window, const LuckWindowInputs& in) {
  natal::Chart chart(window.canvas, NatalInputsOf(in), LuckLayout());
  natal::ClearToScale(chart);
  natal::ComputeLuckStart(chart);
  const long realAge = RealAgeMonths(in.flowYear, in.flowMonth, in.birth.year, in.birth.month);
  natal::PrintSex(chart);
  PrintFlowDateHeader(chart.canvas, in.flowYear, in.flowMonth, realAge);
  PrintJieBox(chart.canvas, in.flowMonth);
  PrintBirthDateLine(chart.canvas, in.birth);
  if (chart.luckStart.special) PrintTenYearStartMark(chart.canvas);
  natal::ComputeLuckPillars(chart);
  natal::WriteLuckRecord(chart);
  const LuckChartPillars seven = SevenPillars(chart, in, realAge);
  AddFlowingColumns(chart, seven);
  DrawLuckChart(window, chart, seven);
  return seven;
}

}  // namespace qm::luck
