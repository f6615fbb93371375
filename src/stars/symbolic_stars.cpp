#include "stars/symbolic_stars.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>

#include "stars/conception_breath.h"
#include "stars/star_grid.h"
#include "stars/star_rule.h"
#include "stars/star_tables.h"

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

// One star test of the natal grid: the star's table and its checks, in the order they run.
struct NatalTest {
  constexpr explicit NatalTest(Star star) : star(star) {}
  constexpr NatalTest& Add(Check check) {
    checks[static_cast<std::size_t>(count++)] = check;
    return *this;
  }

  Star star;
  std::array<Check, 4> checks = {Check{0, 0}, Check{0, 0}, Check{0, 0}, Check{0, 0}};
  int count = 0;
};

// The star stands under each listed pillar that matches the row of the key pillar.
constexpr NatalTest Keyed(Star star, int key, std::initializer_list<int> columns) {
  NatalTest test(star);
  for (int column : columns) test.Add({column, key, column});
  return test;
}

// The star stands under each listed pillar that is one of the table's pillars.
constexpr NatalTest Listed(Star star, std::initializer_list<int> columns) {
  NatalTest test(star);
  for (int column : columns) test.Add({column, column});
  return test;
}

constexpr NatalTest Checked(Star star, std::initializer_list<Check> checks) {
  NatalTest test(star);
  for (const Check& check : checks) test.Add(check);
  return test;
}

// 將星 華蓋 驛馬 空亡: the day's row for the year, month and hour pillars, the year's row for the
// day pillar.
constexpr std::initializer_list<Check> kDayRowThenYearRow = {
    {Y, D, Y}, {M, D, M}, {H, D, H}, {D, Y, D}};
// 寡宿 孤辰: the year's row sought in the month and day branches stands under the year, the
// day's row sought in the year and hour branches under the day.
constexpr std::initializer_list<Check> kUnderTheKey = {{Y, Y, M}, {Y, Y, D}, {D, D, Y}, {D, D, H}};

// The 61 tests in the order in which they fill the slots.
constexpr std::array<NatalTest, 61> kNatalTests = {{
    Keyed(k羊刃, D, {Y, M, D, H}),
    Keyed(k飛刃, D, {Y, M, D, H}),
    Keyed(k暗祿, D, {Y, M, D, H}),
    Keyed(k金輿, D, {Y, M, D, H}),
    Keyed(k天乙, D, {Y, M, D, H}),
    Keyed(k夾祿, D, {M, D}),
    Keyed(k學士, D, {Y, M, D, H}),
    Keyed(k紅艷, D, {Y, M, D, H}),
    Keyed(k天官, Y, {D, H}),
    Keyed(k干祿, Y, {Y, M, D, H}),
    Keyed(k天廚, Y, {D, H}),
    Keyed(k流霞, D, {H}),
    Keyed(k月合, D, {H}),
    Keyed(k食祿, D, {Y, M, H}),
    Keyed(k學堂, D, {Y, M, D, H}),
    Keyed(k太極, D, {Y, M, D, H}),
    Keyed(k文昌, D, {Y, M, D, H}),
    Keyed(k天財, D, {Y, M, H}),
    Keyed(k路空, D, {H}),
    Keyed(k天德, M, {D, H}),
    Keyed(k月德, M, {D, H}),
    Checked(k將星, kDayRowThenYearRow),
    Keyed(k桃花, D, {H}),
    Checked(k華蓋, kDayRowThenYearRow),
    Checked(k劫煞, {{Y, D, Y}, {M, D, M}, {D, Y, D}, {H, D, H}}),
    Checked(k驛馬, kDayRowThenYearRow),
    Listed(k日貴, {D}),
    Listed(k日德, {D}),
    Listed(k日刃, {D}),
    Keyed(k金神, D, {H}),
    Listed(k進神, {D}),
    Keyed(k天赦, M, {D}),
    Keyed(k十惡, Y, {D}),
    Keyed(k四廢, M, {D}),
    Keyed(k天轉, M, {D}),
    Keyed(k地轉, M, {D}),
    Listed(k陽差, {D}),
    Listed(k陰錯, {D}),
    Checked(k寡宿, kUnderTheKey),
    Checked(k孤辰, kUnderTheKey),
    Listed(k魁罡, {Y, M, D, H}),
    Checked(k天奇, {{Y, Y, M, D}, {Y, M, D, H}}),
    Checked(k地奇, {{Y, Y, M, D}, {Y, M, D, H}}),
    Checked(k人奇, {{Y, Y, M, D}, {Y, M, D, H}}),
    Checked(k血光, {{D, D, H}}),
    Keyed(k掃出男, Y, {M}),
    Keyed(k掃進男, Y, {M}),
    Keyed(k掃出女, Y, {M}),
    Keyed(k掃進女, Y, {M}),
    Keyed(k八敗, Y, {M}),
    Keyed(k重婚, Y, {M}),
    Keyed(k再嫁, Y, {M}),
    Keyed(k狼籍, Y, {M}),
    Keyed(k飛天, Y, {M, D, H}),
    Keyed(k頭戴, Y, {M, D, H}),
    Keyed(k腳踏, Y, {M, D, H}),
    Keyed(k咸池, Y, {M, D, H}),
    Keyed(k亡神, Y, {M, D, H}),
    Keyed(k胞胎, Y, {M, D, H}),
    Keyed(k隔角, D, {H}),
    Checked(k空亡, kDayRowThenYearRow),
}};

}  // namespace

// Every test in order, each star in its column's next slot; then 胎元 and 胎息. A 丙午 day with
// year, month and hour branches 午 puts 羊刃 first in all four columns.
void PrintSymbolicStars(ui::Window& target, const std::array<int, 8>& stemsThenBranches,
                        std::string_view sexCode) {
  std::array<Pillar, 4> pillars{};
  for (std::size_t i = 0; i < pillars.size(); ++i) {
    pillars[i] = {stemsThenBranches[i], stemsThenBranches[i + 4]};
  }
  const Sex sex = SexOf(sexCode);
  StarGrid grid(target.canvas, kNatalColumns);
  for (const NatalTest& test : kNatalTests) {
    RunStarTest(test.star, std::span(test.checks).first(static_cast<std::size_t>(test.count)),
                pillars, sex, grid);
  }
  PrintConceptionAndBreath(target.canvas, pillars[M], pillars[D]);
}

}  // namespace qm::stars
