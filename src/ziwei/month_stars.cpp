#include "ziwei/month_stars.h"

#include <array>
#include <optional>
#include <string_view>

#include "base/names.h"
#include "ziwei/palaces.h"
#include "ziwei/star_slots.h"

namespace qm::ziwei {
namespace {

int Month(const ZiWeiChart& c) { return ZiWeiMonth(c.in.lunar); }

// The stars that take 化祿, 化權, 化科, 化忌, by the year stem 甲 .. 癸:
// 甲 廉破武陽, 乙 機梁紫陰, 丙 同機昌廉, 丁 陰同機巨, 戊 貪陰弼機,
// 己 武貪梁曲, 庚 陽武陰同, 辛 巨陽曲昌, 壬 梁紫左武, 癸 破巨陰貪.
constexpr std::array<std::array<int, 4>, 11> kFourTransformations = {{
    {0, 0, 0, 0},
    {6, 14, 4, 3},
    {2, 12, 1, 8},
    {5, 2, 15, 6},
    {8, 5, 2, 10},
    {9, 8, 23, 2},
    {4, 9, 12, 16},
    {3, 4, 8, 5},
    {10, 3, 16, 15},
    {12, 1, 22, 4},
    {14, 10, 8, 9},
}};
constexpr std::array<std::string_view, 4> kTransformationMarks = {"祿", "權", "科", "忌"};

// 截空 by the year stem: 甲己 申酉, 乙庚 午未, 丙辛 辰巳, 丁壬 寅卯, 戊癸 子丑, the yang stem
// taking the yang branch (甲 申, 己 酉).
constexpr std::array<int, 11> kJieKong = {0, 9, 8, 5, 4, 1, 10, 7, 6, 3, 2};

// Month stars read by the lunar month 1 .. 12.
constexpr std::array<int, 13> kTianMa = {0, 3, 12, 9, 6, 3, 12, 9, 6, 3, 12, 9, 6};
constexpr std::array<int, 13> kTianWu = {0, 6, 9, 3, 12, 6, 9, 3, 12, 6, 9, 3, 12};
constexpr std::array<int, 13> kTianYue = {0, 11, 6, 5, 3, 8, 4, 12, 8, 3, 7, 11, 3};

constexpr std::array<StarRule, 7> kJieKongAndMonthStars = {{
    {28, [](const ZiWeiChart& c) { return kJieKong[c.in.pillars.YearStem]; }},
    // 天刑從酉起正月，順數至生月: month 1 酉, month 4 子.
    {29, [](const ZiWeiChart& c) { return NextBranch(10, Month(c) - 1); }},
    // 天姚從丑起正月，順數至生月: month 1 丑, month 4 辰.
    {30, [](const ZiWeiChart& c) { return NextBranch(2, Month(c) - 1); }},
    // 天馬 寅 亥 申 巳 in turn from month 1: month 4 巳.
    {31, [](const ZiWeiChart& c) { return kTianMa[Month(c)]; }},
    // 天巫 巳 申 寅 亥 in turn from month 1: month 4 亥.
    {32, [](const ZiWeiChart& c) { return kTianWu[Month(c)]; }},
    // 天月 一犬二蛇三在龍，四虎五羊六兔宮，七豬八羊九在虎，十馬冬犬臘寅中.
    {33, [](const ZiWeiChart& c) { return kTianYue[Month(c)]; }},
    // 陰煞 正月寅，逆行隔一位: month 1 寅, month 2 子, month 3 戌.
    {34, [](const ZiWeiChart& c) { return NextBranch(3, -2 * (Month(c) - 1)); }},
}};

}  // namespace

void MarkFourTransformations(ZiWeiChart& chart) {
  const std::array<int, 4>& stars = kFourTransformations[chart.in.pillars.YearStem];
  for (int k = 0; k < 4; ++k)
    if (const std::optional<StarSlot> at = FindStarSlot(chart, stars[k]))
      PrintUnderStar(chart, *at, 3.2, kTransformationMarks[k]);
}

void PlaceJieKongAndMonthStars(ZiWeiChart& chart) { PlaceStars(chart, kJieKongAndMonthStars); }

}  // namespace qm::ziwei
