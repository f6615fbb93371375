// The natal centre of the combined chart: the worked chart checked by hand at every kind of
// place, the hidden stems by the count of their branch, and the luck by the sex code.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "base/failure.h"
#include "ziwei/natal_centre.h"
#include "ziwei_support.h"

namespace qm::ziwei::test {
namespace {

// 1984-05-12 08:30: 甲子 己巳 丙午 壬辰, life palace 壬申.
constexpr qm::Moment kWorkedMoment{73, 5, 12, 8, 30};

struct Placed {
  double x, y;
  std::string text;
  bool operator==(const Placed&) const = default;
};
using PlacedTexts = std::vector<Placed>;

PlacedTexts CentreOf(const Pillars& pillars, std::string_view sex,
                     const qm::Moment& moment = kWorkedMoment) {
  ui::Canvas canvas;
  canvas.SetScale(0, 0, 83, 33.5);
  DrawNatalCentre(canvas, pillars, moment, sex);
  PlacedTexts placed;
  for (const ui::DrawItem& item : canvas.Items()) placed.push_back({item.x1, item.y1, item.text});
  return placed;
}

Texts Near(const PlacedTexts& placed, double x, double y) {
  Texts texts;
  for (const Placed& p : placed)
    if (std::abs(p.x - x) < 1e-9 && std::abs(p.y - y) < 1e-9) texts.push_back(p.text);
  return texts;
}

TEST(NatalCentre, OfTheWorkedChartEveryKindOfItemAtItsPlace) {
  const Pillars pillars = ComputePillars(73, 5, 12, 8, 30);
  const PlacedTexts centre = CentreOf(pillars, "M");
  // Worked by hand from the four pillars and the tables: day stem 丙 in a 巳 month.
  const Placed expected[] = {
      // the pillars, year at x 57 to hour at x 36, and the life palace in the band above
      {57, 14.5, "甲"}, {57, 15.5, "子"}, {50, 14.5, "己"}, {50, 15.5, "巳"},
      {43, 14.5, "丙"}, {43, 15.5, "午"}, {36, 14.5, "壬"}, {36, 15.5, "辰"},
      {50, 2, "命宮:壬申"},
      // ten gods over the stems, the day column marked 命主
      {57, 12, "偏"}, {57, 13, "印"}, {50, 12, "傷"}, {50, 13, "官"},
      {43, 12, "命"}, {43, 13, "主"}, {36, 12, "七"}, {36, 13, "殺"},
      // hidden stems: 子 one, 巳 three, 午 two, 辰 three; their ten gods below
      {57, 17, "癸"}, {52, 17, "庚"}, {50, 17, "丙"}, {48, 17, "戊"}, {43, 17, "丁"},
      {41, 17, "己"}, {38, 17, "癸"}, {36, 17, "戊"}, {34, 17, "乙"},
      {57, 18.3, "正"}, {57, 19.3, "官"}, {41, 18.3, "傷"}, {41, 19.3, "官"},
      {34, 18.3, "正"}, {34, 19.3, "印"},
      // weights 1, .3, 3.2, 1.4, 1.2, 1.95, .1, 0, .75, .825 of 10.725: whole shares per stem
      {22, 12, "偏印"}, {25, 12, "甲"}, {27, 12, "9"}, {22, 13, "正印"}, {25, 13, "乙"},
      {27, 13, "3"}, {25, 14, "丙"}, {27, 14, "30"}, {25, 15, "丁"}, {27, 15, "13"},
      {25, 16, "戊"}, {27, 16, "11"}, {25, 17, "己"}, {27, 17, "18"}, {25, 18, "庚"},
      {27, 18, "1"}, {22, 19, "正財"}, {25, 19, "辛"}, {27, 19, "0"}, {25, 20, "壬"},
      {27, 20, "7"}, {22, 21, "正官"}, {25, 21, "癸"}, {27, 21, "8"},
      {29, 13, "12木"}, {29, 15, "43火"}, {29, 17, "29土"}, {29, 19, "1金"}, {29, 21, "15水"},
      // scores beside the pillars and their balance: 1.2 x (7 + 7 + 5) - 16
      {59, 14.5, " 3"}, {59, 15.5, "-7"}, {52, 14.5, "-1"}, {52, 15.5, " 7"},
      {45, 14.5, " 7"}, {45, 15.5, " 5"}, {38, 14.5, "-5"}, {38, 15.5, "-6"},
      {70, 3, "陰陽氣含: 6.80"},
      // a yang year and a man: forward, 24.4 days to 芒種, so 8 years 1 month 28 days
      {28, 1, "逢丁壬之年小暑後4日交脫"}, {28, 2, "出生8年1個月又28天上運"},
      {24, 3, "生於芒種前24.4日立夏後6.6日 (戊土司令)"},
      {58.8, 22, " 8"}, {58.8, 23, "庚"}, {58.8, 24, "午"},
      {31.8, 22, " 98"}, {31.8, 23, "己"}, {31.8, 24, "卯"},
      {58, 22, "─"}, {34, 22, "─"},
      // 木 and 火 weigh 1 + .3 + 3.2 + 1.4; 5.5 less 丙's 2 in a 巳 month; 甲 子 巳 巳 午 count 5
      {58, 2, "日干旺度: 5.90"}, {58, 3, "日干標準: 3.50"}, {70, 2, "九仙訣( 5 : 4 )"},
      // nayin: 甲子 金 死, 己巳 木 病, 丙午 水 胎, 壬辰 水 墓
      {59, 12.5, "金"}, {59, 13.5, "死"}, {52, 12.5, "木"}, {52, 13.5, "病"},
      {45, 12.5, "水"}, {45, 13.5, "胎"}, {38, 12.5, "水"}, {38, 13.5, "墓"},
  };
  for (const Placed& e : expected) EXPECT_EQ(Near(centre, e.x, e.y), Texts{e.text}) << e.x << "," << e.y;
  // Everything stands in the merged centre of the grid or in the band above it.
  for (const Placed& p : centre)
    EXPECT_TRUE(p.y < 4 || (p.x >= 21 && p.x <= 61 && p.y >= 11 && p.y <= 25)) << p.text;
  EXPECT_EQ(std::count_if(centre.begin(), centre.end(), [](const Placed& p) { return p.x == 25; }), 10);
}

TEST(NatalCentre, HiddenStemsStandByTheCountOfTheirBranch) {
  // The year column at x 57: one hidden stem in the column, two in it and two units left,
  // three two units right, in it and two units left.
  const std::vector<double> one = {57}, two = {57, 55}, three = {59, 57, 55};
  const std::pair<const char*, const std::vector<double>*> cases[] = {
      {"子", &one}, {"丑", &three}, {"寅", &three}, {"卯", &one}, {"辰", &three}, {"巳", &three},
      {"午", &two}, {"未", &three}, {"申", &three}, {"酉", &one}, {"戌", &three}, {"亥", &two}};
  Pillars pillars = ComputePillars(73, 5, 12, 8, 30);
  for (auto [branch, xs] : cases) {
    pillars.YearBranch = B(branch);
    pillars.YearStem = pillars.YearBranch % 2 == 1 ? 1 : 2;  // a stem of the branch's parity
    const PlacedTexts centre = CentreOf(pillars, "M");
    for (double x : {59.0, 57.0, 55.0}) {
      const bool shown = std::find(xs->begin(), xs->end(), x) != xs->end();
      EXPECT_EQ(Near(centre, x, 17).size(), shown ? 1u : 0u) << branch << " at " << x;
      EXPECT_EQ(Near(centre, x, 18.3).size(), shown ? 1u : 0u) << branch << " at " << x;
    }
  }
}

TEST(NatalCentre, TheLuckFollowsTheSexCode) {
  const Pillars pillars = ComputePillars(73, 5, 12, 8, 30);
  // Lower-case codes run the luck as their capitals do.
  EXPECT_EQ(CentreOf(pillars, "m"), CentreOf(pillars, "M"));
  EXPECT_EQ(CentreOf(pillars, "f"), CentreOf(pillars, "F"));
  EXPECT_NE(CentreOf(pillars, "F"), CentreOf(pillars, "M"));
  // Any other code: the backward start lines (a woman's in a yang year), no luck pillar, and
  // the nine separators alone.
  const PlacedTexts other = CentreOf(pillars, "X"), woman = CentreOf(pillars, "F");
  for (auto [x, y] : {std::pair{28.0, 1.0}, {28.0, 2.0}, {24.0, 3.0}}) {
    EXPECT_EQ(Near(other, x, y), Near(woman, x, y));
    EXPECT_EQ(Near(other, x, y).size(), 1u);
  }
  for (int i = 1; i <= 10; ++i)
    for (double row : {22.0, 23.0, 24.0}) EXPECT_TRUE(Near(other, 61.8 - 3 * i, row).empty()) << i;
  for (int j = 1; j <= 9; ++j) EXPECT_EQ(Near(other, 61 - 3 * j, 22), Texts{"─"}) << j;
}

TEST(NatalCentre, ATableMissingEndsTheCentreWhereItIsRead) {
  struct Case {
    const char* file;
    const char* lastDrawn;
  };
  const Case cases[] = {
      {"地支藏干.DAT", "命宮:壬申"}, {"天干當令.DAT", "印"}, {"納音.DAT", "九仙訣( 5 : 4 )"}};
  const Pillars pillars = ComputePillars(73, 5, 12, 8, 30);
  for (const Case& c : cases) {
    qm::test::TempFolder folder("centre");
    folder.CopyAllData();
    std::filesystem::remove(folder / c.file);
    ui::Canvas canvas;
    EXPECT_THROW(DrawNatalCentre(canvas, pillars, kWorkedMoment, "M"), Failure) << c.file;
    ASSERT_FALSE(canvas.Items().empty());
    EXPECT_EQ(canvas.Items().back().text, c.lastDrawn) << c.file;
  }
}

}  // namespace
}  // namespace qm::ziwei::test
