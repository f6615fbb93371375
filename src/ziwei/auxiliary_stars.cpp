#include "ziwei/auxiliary_stars.h"

#include <array>

#include "base/names.h"
#include "ziwei/palaces.h"
#include "ziwei/star_slots.h"
#include "ziwei/ziwei_files.h"

namespace qm::ziwei {
namespace {

int Hour(const ZiWeiChart& c) { return c.in.pillars.HourBranch; }
int Stem(const ZiWeiChart& c) { return c.in.pillars.YearStem; }
int Month(const ZiWeiChart& c) { return ZiWeiMonth(c.in.lunar); }

// The stars of the year stem, rows 甲 .. 癸: 祿存, 天魁, 天鉞, 天官, 天福.
struct YearStemCells {
  int luCun, kui, yue, guan, fu;
};
constexpr std::array<YearStemCells, 11> kYearStemStars = {{
    {0, 0, 0, 0, 0},
    {3, 2, 8, 8, 10},    // 甲
    {4, 1, 9, 5, 9},     // 乙
    {6, 12, 10, 6, 1},   // 丙
    {7, 12, 10, 3, 12},  // 丁
    {6, 2, 8, 4, 4},     // 戊
    {7, 1, 9, 10, 3},    // 己
    {9, 2, 8, 12, 7},    // 庚
    {10, 7, 3, 10, 6},   // 辛
    {12, 4, 6, 11, 7},   // 壬
    {1, 4, 6, 7, 6},     // 癸
}};

constexpr std::array<StarRule, 2> kHourStars = {{
    // 戌上逆時覓文昌: 子 hour 戌, 丑 hour 酉, ..., 亥 hour 亥.
    {15, [](const ZiWeiChart& c) { return Cycle(12 - Hour(c), 12); }},
    // 辰上順時文曲位: 子 hour 辰, 丑 hour 巳, ..., 亥 hour 卯.
    {16, [](const ZiWeiChart& c) { return NextBranch(5, Hour(c) - 1); }},
}};

constexpr std::array<StarRule, 9> kStemAndMonthStars = {{
    // 甲祿到寅，乙祿居卯，丙戊祿在巳，丁己祿在午，庚祿居申，辛祿居酉，壬祿在亥，癸祿在子.
    {19, [](const ZiWeiChart& c) { return kYearStemStars[Stem(c)].luCun; }},
    // 祿前擎羊，祿後陀羅: 祿存 寅 puts 擎羊 at 卯 and 陀羅 at 丑.
    {20, [](const ZiWeiChart& c) { return NextBranch(kYearStemStars[Stem(c)].luCun, 1); }},
    {21, [](const ZiWeiChart& c) { return NextBranch(kYearStemStars[Stem(c)].luCun, -1); }},
    // 辰上順正月左輔: month 1 辰, month 4 未.
    {22, [](const ZiWeiChart& c) { return NextBranch(5, Month(c) - 1); }},
    // 戌上逆正月右弼: month 1 戌, month 4 未.
    {23, [](const ZiWeiChart& c) { return Cycle(12 - Month(c), 12); }},
    // 甲戊庚牛羊，乙己鼠猴鄉，丙丁豬雞位，壬癸兔蛇藏，六辛逢馬虎: 天魁 first, 天鉞 second.
    {24, [](const ZiWeiChart& c) { return kYearStemStars[Stem(c)].kui; }},
    {25, [](const ZiWeiChart& c) { return kYearStemStars[Stem(c)].yue; }},
    // 天官 and 天福 by the year stem as the table gives them: 甲 未 and 酉.
    {26, [](const ZiWeiChart& c) { return kYearStemStars[Stem(c)].guan; }},
    {27, [](const ZiWeiChart& c) { return kYearStemStars[Stem(c)].fu; }},
}};

}  // namespace

void PlaceAuxiliaryStars(ZiWeiChart& chart) {
  PlaceStars(chart, kHourStars);
  const int yearBranch = chart.in.pillars.YearBranch, hour = Hour(chart);
  PlaceStar(chart, ReadFireStarTable()[yearBranch][hour], 17);
  PlaceStar(chart, ReadBellStarTable()[yearBranch][hour], 18);
  PlaceStars(chart, kStemAndMonthStars);
}

}  // namespace qm::ziwei
