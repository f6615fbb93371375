#include "ziwei/palaces.h"

#include <cmath>

#include "base/names.h"

namespace qm::ziwei {
namespace {

// 納音 of the life palace's pillar, coded 水 2, 木 3, 金 4, 土 5, 火 6; rows 甲 .. 戊 (己 .. 癸
// repeat them), columns 子 .. 亥.
constexpr std::array<std::array<int, 13>, 5> kBureauTable = {{
    {0, 2, 2, 6, 6, 3, 3, 5, 5, 4, 4, 6, 6},  // 甲己
    {0, 6, 6, 5, 5, 4, 4, 3, 3, 2, 2, 5, 5},  // 乙庚
    {0, 5, 5, 3, 3, 2, 2, 4, 4, 6, 6, 3, 3},  // 丙辛
    {0, 3, 3, 4, 4, 6, 6, 2, 2, 5, 5, 4, 4},  // 丁壬
    {0, 4, 4, 2, 2, 5, 5, 6, 6, 3, 3, 2, 2},  // 戊癸
}};

constexpr std::array<std::string_view, 7> kBureauNames = {
    "", "", "水二局", "木三局", "金四局", "土五局", "火六局"};

// The stem of a lunar year: a RocYear ending in 3 is a 甲 year (73 甲, 80 辛, 82 癸).
int LunarYearStemOf(int lunarYear) { return Cycle(lunarYear + 8, 10); }

// 五虎遁, "甲己之年丙作首": the 寅 cell of a 甲 or 己 year holds 丙, and each cell after it
// the next stem (甲 year: 卯 丁, ..., 子 丙, 丑 丁).
int PalaceStem(int yearStem, int cell) {
  const int tigerStem = Cycle(2 * yearStem + 1, 10);
  return NextStem(tigerStem, Cycle(cell - 2, 12) - 1);
}

}  // namespace

int ZiWeiMonth(const LunarDate& lunar) {
  const int month = static_cast<int>(std::floor(lunar.month));
  return lunar.leapFlag == "1" && lunar.day >= 16 ? NextBranch(month, 1) : month;
}

void PrintPalaceStems(ZiWeiChart& chart) {
  chart.lunarYearStem = LunarYearStemOf(chart.in.lunar.year);
  for (int k = 0; k < 12; ++k) {
    const int cell = NextBranch(3, k);  // 寅 first, 丑 last
    chart.canvas.PrintAt(kCellCorners[cell].left + 17, LastLineOf(cell),
                         kStemNames[PalaceStem(chart.lunarYearStem, cell)]);
  }
}

// 寅 counts as month 1; from the month's cell the life palace counts back by the hour and the
// body palace forward (4th month, 辰 hour: month cell 巳, life palace 丑, body palace 酉).
void FindLifeAndBodyPalaces(ZiWeiChart& chart) {
  const int hour = chart.in.pillars.HourBranch;
  chart.monthCell = NextBranch(ZiWeiMonth(chart.in.lunar), 2);
  chart.bodyPalace = NextBranch(chart.monthCell, hour - 1);
  chart.lifePalace = NextBranch(chart.monthCell, 1 - hour);
}

// The palaces follow the life palace towards lower branches: 兄弟宮 in the cell before it,
// 父母宮 in the cell after it.
void PrintPalaceNames(ZiWeiChart& chart) {
  for (int j = 1; j <= 12; ++j) {
    const PrintPoint at = PalaceNamePoint(NextBranch(chart.lifePalace, 1 - j));
    chart.canvas.PrintAt(at.x, at.y, kPalaceNames[j]);
  }
}

void PrintFiveElementBureau(ZiWeiChart& chart) {
  chart.bureau = kBureauTable[(chart.lunarYearStem - 1) % 5][chart.lifePalace];
  chart.canvas.PrintAt(1, 3, kBureauNames[chart.bureau]);
}

}  // namespace qm::ziwei
