#include "ziwei/year_branch_stars.h"

#include <array>

#include "base/names.h"
#include "ziwei/star_slots.h"

namespace qm::ziwei {
namespace {

int Year(const ZiWeiChart& c) { return c.in.pillars.YearBranch; }
int Hour(const ZiWeiChart& c) { return c.in.pillars.HourBranch; }
int Day(const ZiWeiChart& c) { return c.in.lunar.day; }

// 蜚廉 by the year branch 子 .. 亥.
constexpr std::array<int, 13> kFeiLian = {0, 9, 10, 11, 6, 7, 8, 3, 4, 5, 12, 1, 2};
// 破碎 by the year branch 子 .. 亥: 子午卯酉 巳, 辰戌丑未 丑, 寅申巳亥 酉.
constexpr std::array<int, 13> kPoSui = {0, 6, 2, 10, 6, 2, 10, 6, 2, 10, 6, 2, 10};

constexpr std::array<StarRule, 11> kYearBranchStars = {{
    // 紅鸞卯上逆數年支: 子 year 卯, 丑 year 寅.
    {35, [](const ZiWeiChart& c) { return NextBranch(4, 1 - Year(c)); }},
    // 天喜 opposite 紅鸞: 子 year 酉.
    {36, [](const ZiWeiChart& c) { return NextBranch(10, 1 - Year(c)); }},
    // 天哭午上逆數年支: 子 year 午, 丑 year 巳.
    {37, [](const ZiWeiChart& c) { return NextBranch(7, 1 - Year(c)); }},
    // 天虛午上順數年支: 子 year 午, 丑 year 未.
    {38, [](const ZiWeiChart& c) { return NextBranch(7, Year(c) - 1); }},
    // 亥子丑人孤寅寡戌，寅卯辰人孤巳寡丑，巳午未人孤申寡辰，申酉戌人孤亥寡未: three branches on
    // for each season, winter's a whole turn round to 寅 and 戌.
    {39, [](const ZiWeiChart& c) { return NextBranch(3, 3 * SeasonOf(Year(c))); }},
    {40, [](const ZiWeiChart& c) { return NextBranch(11, 3 * SeasonOf(Year(c))); }},
    // 解神戌上逆數年支: 子 year 戌, 亥 year 亥.
    {53, [](const ZiWeiChart& c) { return NextBranch(11, 1 - Year(c)); }},
    // 龍池辰上順數年支: 子 year 辰, 丑 year 巳.
    {54, [](const ZiWeiChart& c) { return NextBranch(5, Year(c) - 1); }},
    // 鳳閣戌上逆數年支, with 解神: 子 year 戌.
    {55, [](const ZiWeiChart& c) { return NextBranch(11, 1 - Year(c)); }},
    // 蜚廉 子年申，丑酉寅戌，卯巳辰午巳未，午寅未卯申辰，酉亥戌子亥丑.
    {56, [](const ZiWeiChart& c) { return kFeiLian[Year(c)]; }},
    {57, [](const ZiWeiChart& c) { return kPoSui[Year(c)]; }},
}};

constexpr std::array<StarRule, 12> kCountedStars = {{
    // 三台 左輔起初一，順數至生日: 左輔 辰, day 30, 三台 酉.
    {41, [](const ZiWeiChart& c) { return NextBranch(FindStarCell(c, 22), Day(c) - 1); }},
    // 八座 右弼起初一，逆數至生日: 右弼 戌, day 30, 八座 巳.
    {42, [](const ZiWeiChart& c) { return NextBranch(FindStarCell(c, 23), 1 - Day(c)); }},
    // 天傷 in the 朋友宮: life palace 寅, 天傷 未.
    {43, [](const ZiWeiChart& c) { return NextBranch(c.lifePalace, 5); }},
    // 天使 in the 疾厄宮: life palace 寅, 天使 酉.
    {44, [](const ZiWeiChart& c) { return NextBranch(c.lifePalace, 7); }},
    // 天壽 身宮起子，順數至生年支: 身宮 申, 亥 year, 天壽 未.
    {45, [](const ZiWeiChart& c) { return NextBranch(c.bodyPalace, Year(c) - 1); }},
    // 恩光 文昌起初一，順數至生日，退二步: 文昌 子, day 1 戌, day 3 子.
    {46, [](const ZiWeiChart& c) { return NextBranch(FindStarCell(c, 15), Day(c) - 3); }},
    // 天貴 文曲起初一，順數至生日: 文曲 亥, day 30, 天貴 辰.
    {47, [](const ZiWeiChart& c) { return NextBranch(FindStarCell(c, 16), Day(c) - 1); }},
    // 台輔午上起子時，順數至生時: 子 hour 午.
    {48, [](const ZiWeiChart& c) { return NextBranch(7, Hour(c) - 1); }},
    // 封誥寅上起子時，順數至生時: 子 hour 寅.
    {49, [](const ZiWeiChart& c) { return NextBranch(3, Hour(c) - 1); }},
    // 天空亥上起子時，逆數至生時: 子 hour 亥, 丑 hour 戌.
    {50, [](const ZiWeiChart& c) { return NextBranch(12, 1 - Hour(c)); }},
    // 地劫亥上起子時，順數至生時: 子 hour 亥, 丑 hour 子.
    {51, [](const ZiWeiChart& c) { return NextBranch(12, Hour(c) - 1); }},
    // 天才 命宮起子，順數至生年支: 子 year in the 命宮, 亥 year in the 兄弟宮.
    {52, [](const ZiWeiChart& c) { return NextBranch(c.lifePalace, Year(c) - 1); }},
}};

}  // namespace

void PlaceYearBranchStars(ZiWeiChart& chart) { PlaceStars(chart, kYearBranchStars); }
void PlaceCountedStars(ZiWeiChart& chart) { PlaceStars(chart, kCountedStars); }

}  // namespace qm::ziwei
