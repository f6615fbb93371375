#include "ziwei/masters_and_stages.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/names.h"
#include "base/sex_code.h"
#include "ziwei/palaces.h"
#include "ziwei/star_slots.h"

namespace qm::ziwei {
namespace {

// 命主 by the cell of the life palace, 子 .. 亥.
constexpr std::array<std::string_view, 13> kLifeMasters = {
    "", "貪狼", "巨門", "祿存", "文曲", "廉貞", "武曲", "破軍", "武曲", "廉貞", "文曲", "祿存", "巨門"};
// 身主 by the year branch, 子 .. 亥.
constexpr std::array<std::string_view, 13> kBodyMasters = {
    "", "火星", "天相", "天梁", "天同", "文昌", "天機", "鈴星", "天相", "天梁", "天同", "文昌", "天機"};

// Where 長生 of each bureau stands: 水 and 土 at 申, 木 at 亥, 金 at 巳, 火 at 寅.
constexpr std::array<int, 7> kBureauBirthCell = {0, 0, 9, 12, 6, 9, 3};
constexpr std::array<std::string_view, 13> kStageWords = {
    "", "長生", "沐浴", "冠帶", "臨官", "帝旺", "  衰", "  病", "  死", "  墓", "  絕", "  胎", "  養"};

// 陽男陰女順行: a man of a yang year, or a woman of a yin year, counts the stages on.
bool StagesRunForward(int yearStem, const std::string& sex) {
  return (SexOf(sex) == Sex::Male) == (yearStem % 2 == 1);
}

}  // namespace

void PrintPalaceMasters(ZiWeiChart& chart) {
  chart.canvas.PrintAt(7, 3, "命主:" + std::string(kLifeMasters[chart.lifePalace]));
  chart.canvas.PrintAt(15, 3, "身主:" + std::string(kBodyMasters[chart.in.pillars.YearBranch]));
}

void PrintStarBrightness(ZiWeiChart& chart, const BrightnessTable& table) {
  for (int star = 1; star <= kBrightStars; ++star)
    if (const std::optional<StarSlot> at = FindStarSlot(chart, star))
      PrintUnderStar(chart, *at, 2.1, table[star][at->cell]);
}

// 水二局 of a yang year's man: 長生 申, 沐浴 酉, ..., 養 未.
void PrintPalaceStages(ZiWeiChart& chart) {
  const int step = StagesRunForward(chart.in.pillars.YearStem, chart.in.sex) ? 1 : -1;
  for (int stage = 1; stage <= 12; ++stage) {
    const int cell = NextBranch(kBureauBirthCell[chart.bureau], step * (stage - 1));
    chart.canvas.PrintAt(chart.slots[cell][1].x + 16, chart.slots[cell][3].y + 3.8,
                         kStageWords[stage]);
  }
}

void MarkBodyPalace(ZiWeiChart& chart) {
  const PrintPoint at = PalaceNamePoint(chart.bodyPalace);
  chart.canvas.PrintAt(at.x + 4.5, at.y, "(身宮)");
}

}  // namespace qm::ziwei
