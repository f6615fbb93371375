#include "ziwei/main_stars.h"

#include <array>
#include <string>

#include "base/names.h"
#include "base/number_text.h"
#include "natal/chart_rules.h"
#include "natal/luck_start.h"
#include "ziwei/star_slots.h"

namespace qm::ziwei {
namespace {

// A star of a group: its id and its distance from the group's head, in cells.
struct GroupStar {
  int id = 0;
  int distance = 0;
};

// 紫微逆去天機星，隔一太陽武曲辰，連接天同空二位，廉貞居處方是真: counting back from 紫微.
// 紫微 子: 天機 亥, 太陽 酉, 武曲 申, 天同 未, 廉貞 辰.
constexpr std::array<GroupStar, 6> kZiWeiGroup = {
    {{1, 0}, {2, -1}, {3, -3}, {4, -4}, {5, -5}, {6, -8}}};

// 天府順行有太陰，貪狼而後巨門臨，隨來天相天梁繼，七殺空三破軍尋: counting on from 天府.
// 天府 辰: 太陰 巳, 貪狼 午, 巨門 未, 天相 申, 天梁 酉, 七殺 戌, 破軍 寅.
constexpr std::array<GroupStar, 8> kTianFuGroup = {
    {{7, 0}, {8, 1}, {9, 2}, {10, 3}, {11, 4}, {12, 5}, {13, 6}, {14, 10}}};

// An age as the decade line shows it: three places, a blank before numbers under 100.
std::string AgeText(int age) { return std::string(LastChars(RecordNumber(age), 3)); }

}  // namespace

// The first decade starts at the bureau's number in the life palace (水二局: 2-11, 12-21, ...).
// 陽男陰女順行，陰男陽女逆行: the decades run as the luck does, on from the life palace where it
// runs forward (a yang year's man, a yin year's woman), back otherwise.
void DrawDecadeRanges(ZiWeiChart& chart) {
  const bool forward = natal::LuckDirectionOf(chart.in.pillars.YearStem, chart.in.sex) ==
                       natal::LuckDirection::Forward;
  const int step = forward ? 1 : -1;
  for (int i = 1; i <= 12; ++i) {
    const int cell = NextBranch(chart.lifePalace, step * (i - 1));
    const int from = chart.bureau + 10 * (i - 1);
    chart.canvas.PrintAt(chart.slots[cell][1].x + 9.5, chart.slots[cell][3].y + 5,
                         AgeText(from) + "-" + AgeText(from + 9));
  }
}

int PlaceZiWeiGroup(ZiWeiChart& chart, const ZiWeiPositionTable& table) {
  const int ziWei = table[chart.bureau][chart.in.lunar.day];
  for (const GroupStar& star : kZiWeiGroup)
    PlaceStarInFirstSlot(chart, NextBranch(ziWei, star.distance), star.id);
  return ziWei;
}

// 天府 mirrors 紫微 across the 寅申 line: 紫微 子 puts 天府 at 辰, and both meet at 寅 and 申.
void PlaceTianFuGroup(ZiWeiChart& chart, int ziWeiCell) {
  const int tianFu = Cycle(6 - ziWeiCell, 12);
  for (const GroupStar& star : kTianFuGroup)
    PlaceStar(chart, NextBranch(tianFu, star.distance), star.id);
}

}  // namespace qm::ziwei
