#include "stars/symbolic_stars.h"

#include <array>
#include <initializer_list>

#include "stars/conception_breath.h"
#include "stars/star_grid.h"
#include "stars/star_rule.h"
#include "stars/star_tables.h"
#include "stars/star_tests.h"

namespace qm::stars {
namespace {

// The four pillars, in the order of the chart's pillar list and of the grid's columns.
constexpr int Y = 0, M = 1, D = 2, H = 3;

// Slots 1 to 11 of a column: centre, right, left on rows 20, 22 and 24, then right and left of
// row 18, whose centre holds the second character of the pillar's twelve-stage word.
constexpr std::array<StarSlot, 11> kNatalSlots = {{{0, 20}, {2, 20}, {-2, 20}, {0, 22}, {2, 22},
                                                    {-2, 22}, {0, 24}, {2, 24}, {-2, 24},
                                                    {2, 18}, {-2, 18}}};

constexpr std::array<StarColumn, 4> kNatalColumns = {{{77, kNatalSlots},
                                                       {70, kNatalSlots},
                                                       {63, kNatalSlots},
                                                       {56, kNatalSlots}}};

// A natal test runs at most four checks.
using NatalTest = StarTest<4>;

// 將星 華蓋 驛馬 空亡: the day's row for the year, month and hour pillars, the year's row for the
// day pillar.
constexpr std::initializer_list<Check> kDayRowThenYearRow = {
    {Y, D, Y}, {M, D, M}, {H, D, H}, {D, Y, D}};
// 寡宿 孤辰: the year's row sought in the month and day branches stands under the year, the
// day's row sought in the year and hour branches under the day.
constexpr std::initializer_list<Check> kUnderTheKey = {{Y, Y, M}, {Y, Y, D}, {D, D, Y}, {D, D, H}};

// The 61 tests in the order in which they fill the slots.
constexpr std::array<NatalTest, 61> kNatalTests = {{
    Keyed<4>(k羊刃, D, {Y, M, D, H}),
    Keyed<4>(k飛刃, D, {Y, M, D, H}),
    Keyed<4>(k暗祿, D, {Y, M, D, H}),
    Keyed<4>(k金輿, D, {Y, M, D, H}),
    Keyed<4>(k天乙, D, {Y, M, D, H}),
    Keyed<4>(k夾祿, D, {M, D}),
    Keyed<4>(k學士, D, {Y, M, D, H}),
    Keyed<4>(k紅艷, D, {Y, M, D, H}),
    Keyed<4>(k天官, Y, {D, H}),
    Keyed<4>(k干祿, Y, {Y, M, D, H}),
    Keyed<4>(k天廚, Y, {D, H}),
    Keyed<4>(k流霞, D, {H}),
    Keyed<4>(k月合, D, {H}),
    Keyed<4>(k食祿, D, {Y, M, H}),
    Keyed<4>(k學堂, D, {Y, M, D, H}),
    Keyed<4>(k太極, D, {Y, M, D, H}),
    Keyed<4>(k文昌, D, {Y, M, D, H}),
    Keyed<4>(k天財, D, {Y, M, H}),
    Keyed<4>(k路空, D, {H}),
    Keyed<4>(k天德, M, {D, H}),
    Keyed<4>(k月德, M, {D, H}),
    Checked<4>(k將星, kDayRowThenYearRow),
    Keyed<4>(k桃花, D, {H}),
    Checked<4>(k華蓋, kDayRowThenYearRow),
    Checked<4>(k劫煞, {{Y, D, Y}, {M, D, M}, {D, Y, D}, {H, D, H}}),
    Checked<4>(k驛馬, kDayRowThenYearRow),
    Listed<4>(k日貴, {D}),
    Listed<4>(k日德, {D}),
    Listed<4>(k日刃, {D}),
    Keyed<4>(k金神, D, {H}),
    Listed<4>(k進神, {D}),
    Keyed<4>(k天赦, M, {D}),
    Keyed<4>(k十惡, Y, {D}),
    Keyed<4>(k四廢, M, {D}),
    Keyed<4>(k天轉, M, {D}),
    Keyed<4>(k地轉, M, {D}),
    Listed<4>(k陽差, {D}),
    Listed<4>(k陰錯, {D}),
    Checked<4>(k寡宿, kUnderTheKey),
    Checked<4>(k孤辰, kUnderTheKey),
    Listed<4>(k魁罡, {Y, M, D, H}),
    Checked<4>(k天奇, {{Y, Y, M, D}, {Y, M, D, H}}),
    Checked<4>(k地奇, {{Y, Y, M, D}, {Y, M, D, H}}),
    Checked<4>(k人奇, {{Y, Y, M, D}, {Y, M, D, H}}),
    Checked<4>(k血光, {{D, D, H}}),
    Keyed<4>(k掃出男, Y, {M}),
    Keyed<4>(k掃進男, Y, {M}),
    Keyed<4>(k掃出女, Y, {M}),
    Keyed<4>(k掃進女, Y, {M}),
    Keyed<4>(k八敗, Y, {M}),
    Keyed<4>(k重婚, Y, {M}),
    Keyed<4>(k再嫁, Y, {M}),
    Keyed<4>(k狼籍, Y, {M}),
    Keyed<4>(k飛天, Y, {M, D, H}),
    Keyed<4>(k頭戴, Y, {M, D, H}),
    Keyed<4>(k腳踏, Y, {M, D, H}),
    Keyed<4>(k咸池, Y, {M, D, H}),
    Keyed<4>(k亡神, Y, {M, D, H}),
    Keyed<4>(k胞胎, Y, {M, D, H}),
    Keyed<4>(k隔角, D, {H}),
    Checked<4>(k空亡, kDayRowThenYearRow),
}};

}  // namespace

// Every test in order, each star in its column's next slot; then 胎元 and 胎息. A 丙午 day with
// year, month and hour branches 午 puts 羊刃 first in all four columns.
void PrintSymbolicStars(ui::Window& target, const std::array<int, 8>& stemsThenBranches,
                        std::string_view sexCode) {
  const std::array<Pillar, 4> pillars = PillarsOf<4>(stemsThenBranches);
  const Sex sex = SexOf(sexCode);
  StarGrid grid(target.canvas, kNatalColumns);
  RunStarTests(kNatalTests, pillars, sex, grid);
  PrintConceptionAndBreath(target.canvas, pillars[M], pillars[D]);
}

}  // namespace qm::stars
