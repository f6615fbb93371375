#include "stars/luck_stars.h"

#include <initializer_list>

#include "stars/star_grid.h"
#include "stars/star_tables.h"
#include "stars/star_tests.h"

namespace qm::stars {
namespace {

// The seven columns: the natal four, the luck pillar in force, the flowing year and month.
constexpr int Y = 0, M = 1, D = 2, H = 3, L = 4, S = 5, F = 6;

// Row 15 first (centre, right, left), then row 17, then the sides of rows 13 and 11, whose
// centres hold the column's twelve-stage word.
constexpr std::array<StarSlot, 10> kLuckSlots = {{{0, 15}, {2, 15}, {-2, 15}, {0, 17}, {2, 17},
                                                   {-2, 17}, {2, 13}, {-2, 13}, {2, 11}, {-2, 11}}};
// The year column at the window's right edge has no right slot on row 17.
constexpr std::array<StarSlot, 9> kYearSlots = {{{0, 15}, {2, 15}, {-2, 15}, {0, 17}, {-2, 17},
                                                  {2, 13}, {-2, 13}, {2, 11}, {-2, 11}}};

constexpr std::array<StarColumn, 7> kLuckColumns = {{{77, kYearSlots},
                                                      {70, kLuckSlots},
                                                      {63, kLuckSlots},
                                                      {56, kLuckSlots},
                                                      {49, kLuckSlots},
                                                      {42, kLuckSlots},
                                                      {35, kLuckSlots}}};

// A luck test runs at most seven checks, one per column.
using LuckTest = StarTest<7>;

// The flowing columns always take the natal key: a star keyed by the year branch for the day
// column is keyed by it for 運 歲 流月 too.
constexpr std::initializer_list<Check> kDayRowThenYearRow = {
    {Y, D, Y}, {M, D, M}, {H, D, H}, {D, Y, D}, {L, Y, L}, {S, Y, S}, {F, Y, F}};
// 寡宿 孤辰: natal matches stand under the key's own pillar, flowing ones under their column.
constexpr std::initializer_list<Check> kUnderTheKey = {
    {Y, Y, M}, {Y, Y, D}, {D, D, Y}, {D, D, H}, {L, D, L}, {S, D, S}, {F, D, F}};
constexpr std::initializer_list<int> kAll = {Y, M, D, H, L, S, F};

// The 32 tests in the order in which they fill the slots.
constexpr std::array<LuckTest, 32> kLuckTests = {{
    Keyed<7>(k羊刃, D, kAll),
    Keyed<7>(k飛刃, D, kAll),
    Keyed<7>(k暗祿, D, kAll),
    Keyed<7>(k金輿, D, kAll),
    Keyed<7>(k天乙, D, kAll),
    Keyed<7>(k夾祿, D, {M, D, L, S, F}),
    Keyed<7>(k學士, D, kAll),
    Keyed<7>(k紅艷, D, kAll),
    Keyed<7>(k天官, Y, {D, H, L, S, F}),
    Keyed<7>(k干祿, Y, kAll),
    Keyed<7>(k天廚, Y, {D, H, L, S, F}),
    Keyed<7>(k流霞, D, {H, L, S, F}),
    Keyed<7>(k食祿, D, {Y, M, H, L, S, F}),
    Keyed<7>(k學堂, D, kAll),
    Keyed<7>(k文昌, D, kAll),
    Keyed<7>(k天財, D, {Y, M, H, L, S, F}),
    Keyed<7>(k路空, D, {H, L, S, F}),
    Keyed<7>(k天德, M, {D, H, L, S, F}),
    Keyed<7>(k月德, M, {D, H, L, S, F}),
    Checked<7>(k將星, kDayRowThenYearRow),
    Keyed<7>(k桃花, D, {H, L, S, F}),
    Checked<7>(k華蓋, kDayRowThenYearRow),
    Checked<7>(k劫煞, {{Y, D, Y}, {M, D, M}, {D, Y, D}, {H, D, H}, {L, D, L}, {S, D, S}, {F, D, F}}),
    Checked<7>(k驛馬, kDayRowThenYearRow),
    Checked<7>(k寡宿, kUnderTheKey),
    Checked<7>(k孤辰, kUnderTheKey),
    Checked<7>(k血光, {{D, D, H}, {L, D, L}, {S, D, S}, {F, D, F}}),
    Keyed<7>(k咸池, Y, {M, D, H, L, S, F}),
    Keyed<7>(k亡神, Y, {M, D, H, L, S, F}),
    Keyed<7>(k胞胎, Y, {M, D, H, L, S, F}),
    Keyed<7>(k隔角, D, {H, L, S, F}),
    Checked<7>(k空亡, {{Y, D, Y}, {M, D, M}, {H, D, H}, {L, D, L}, {S, D, S}, {F, D, F}, {D, Y, D}}),
}};

}  // namespace

// The natal tables and tests, each also made on 運 歲 流月: with a 甲 day every column whose
// branch is 卯 shows 羊刃, the flowing ones included.
void PrintLuckStars(ui::Window& target, const std::array<int, 14>& stemsThenBranches,
                    std::string_view sexCode) {
  StarGrid grid(target.canvas, kLuckColumns);
  RunStarTests(kLuckTests, PillarsOf<7>(stemsThenBranches), SexOf(sexCode), grid);
}

}  // namespace qm::stars
