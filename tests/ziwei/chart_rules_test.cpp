// The Zi Wei chart drawn from chosen moments: the palaces, the bureau and the decades, every
// star group's facts as the almanac states them, the order of entry into shared cells, the
// transformation marks, masters, stages, the leap-month rule and a cell that takes a 15th star.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "ziwei_support.h"

namespace qm::ziwei::test {
namespace {

// The moment of 1984-05-12 08:30: lunar 73/4/12, 甲子 year, 辰 hour; other facts change one
// or two of its values.
Moment Base() { return {}; }

Moment With(std::function<void(Moment&)> change) {
  Moment m = Base();
  change(m);
  return m;
}

TEST(ZiWeiPalaces, MonthCellLifeAndBodyPalaceFollowMonthAndHour) {
  struct Case {
    int month, hour;
    const char *monthCell, *life, *body;
  };
  const Case cases[] = {
      {1, B("子"), "寅", "寅", "寅"},
      {12, B("亥"), "丑", "寅", "子"},
      {11, B("午"), "子", "午", "午"},
      {4, B("辰"), "巳", "丑", "酉"},
  };
  for (const Case& c : cases) {
    DrawnChart d(With([&](Moment& m) { m.lunarMonth = c.month, m.hourBranch = c.hour; }));
    EXPECT_EQ(d.chart.monthCell, B(c.monthCell)) << c.month << " " << c.hour;
    EXPECT_EQ(d.chart.lifePalace, B(c.life)) << c.month << " " << c.hour;
    EXPECT_EQ(d.chart.bodyPalace, B(c.body)) << c.month << " " << c.hour;
  }
}

TEST(ZiWeiPalaces, StemsNamesAndBureauOfALunarYear) {
  // Life palace 寅 (month 1, 子 hour) in the 甲 year 73: 火六局.
  DrawnChart fire(With([](Moment& m) { m.lunarMonth = 1, m.hourBranch = B("子"); }));
  EXPECT_EQ(TextsNear(fire.canvas, 18, 31), Texts{"丙"});  // 寅
  EXPECT_EQ(TextsNear(fire.canvas, 58, 31), Texts{"丙"});  // 子
  EXPECT_EQ(TextsNear(fire.canvas, 38, 31), Texts{"丁"});  // 丑
  EXPECT_EQ(fire.chart.bureau, 6);
  EXPECT_EQ(TextsNear(fire.canvas, 1, 3), Texts{"火六局"});
  // Life palace 子 (month 1, 寅 hour): 水二局. The twelve names stand once each, 兄弟宮 in the
  // cell before the life palace and 父母宮 in the cell after it.
  DrawnChart water(With([](Moment& m) { m.lunarMonth = 1, m.hourBranch = B("寅"); }));
  EXPECT_EQ(TextsNear(water.canvas, 1, 3), Texts{"水二局"});
  const std::array<std::pair<double, double>, 12> namePoints = {
      {{42.5, 31}, {22.5, 31}, {2.5, 31}, {2.5, 24}, {2.5, 17}, {2.5, 10}, {22.5, 10},
       {42.5, 10}, {62.5, 10}, {62.5, 17}, {62.5, 24}, {62.5, 31}}};
  Texts names;
  for (auto [x, y] : namePoints) names.push_back(TextsNear(water.canvas, x, y).at(0));
  EXPECT_EQ(names, (Texts{"命宮", "父母宮", "福德宮", "田宅宮", "官祿宮", "朋友宮", "遷移宮",
                          "疾厄宮", "財帛宮", "子女宮", "夫妻宮", "兄弟宮"}));
}

TEST(ZiWeiPalaces, BeforeSpringTheStemsFollowTheLunarYearAndTheLabelTheYearPillar) {
  // Lunar year 74 (乙) has begun, the year pillar is still 甲子.
  DrawnChart d(With([](Moment& m) { m.lunarYear = 74; }));
  EXPECT_EQ(TextsNear(d.canvas, 18, 31), Texts{"戊"});  // 寅 of an 乙 year
  EXPECT_EQ(TextsNear(d.canvas, 1, 2), Texts{"陽男"});
}

TEST(ZiWeiHeader, DateLinesLeapMonthAndSexLabel) {
  struct Case {
    Moment moment;
    std::string line, label;
  };
  const Case cases[] = {
      {Base(), "(陽73/5/12 陰73/4/12 辰時)", "陽男"},
      {With([](Moment& m) { m.year = 102, m.month = 1, m.day = 5, m.hourBranch = 1; }),
       "(陽02/1/5 陰73/4/12 子時)", "陽男"},
      {With([](Moment& m) { m.lunarMonth = 10.5, m.lunarDay = 16; }),
       "(陽73/5/12 陰73/10/16 辰時) 閏月", "陽男"},
      {With([](Moment& m) { m.sex = "F", m.yearStem = 2, m.yearBranch = 2; }),
       "(陽73/5/12 陰73/4/12 辰時)", "陰女"},
      {With([](Moment& m) { m.sex = "F"; }), "(陽73/5/12 陰73/4/12 辰時)", "陽女"},
  };
  for (const Case& c : cases) {
    DrawnChart d(c.moment);
    EXPECT_EQ(TextsNear(d.canvas, 4.5, 2), Texts{c.line});
    EXPECT_EQ(TextsNear(d.canvas, 1, 2), Texts{c.label}) << c.line;
  }
  // Any other code draws no label.
  DrawnChart lower(With([](Moment& m) { m.sex = "m"; }));
  EXPECT_TRUE(TextsNear(lower.canvas, 1, 2).empty());
}

// The decade line of a cell: 11 right of its left border, on its last line.
Texts DecadeOf(const DrawnChart& d, int cell) {
  return TextsNear(d.canvas, kCellCorners[cell].left + 11, kCellCorners[cell].top + 6);
}

TEST(ZiWeiDecades, RangesStartAtTheBureauInTheLifePalaceAndRunByYearAndSex) {
  DrawnChart water(Base());  // 水二局, life palace 丑, 甲 year man: forward
  EXPECT_EQ(DecadeOf(water, B("丑")), Texts{" 2- 11"});
  EXPECT_EQ(DecadeOf(water, B("寅")), Texts{" 12- 21"});
  EXPECT_EQ(DecadeOf(water, B("子")), Texts{"112-121"});
  DrawnChart fire(With([](Moment& m) { m.lunarMonth = 1, m.hourBranch = B("子"); }));  // 寅
  EXPECT_EQ(DecadeOf(fire, B("亥")), Texts{" 96-105"});
  EXPECT_EQ(DecadeOf(fire, B("丑")), Texts{"116-125"});

  struct Direction {
    int yearStem;
    const char* sex;
    const char* second;  // the cell of the second decade
  };
  const Direction directions[] = {{1, "M", "寅"}, {1, "F", "子"}, {2, "M", "子"}, {2, "F", "寅"},
                                  {1, "m", "寅"}, {2, "f", "寅"}, {1, "X", "子"}};
  for (const Direction& c : directions) {
    DrawnChart d(With([&](Moment& m) { m.yearStem = c.yearStem, m.sex = c.sex; }));
    EXPECT_EQ(DecadeOf(d, B(c.second)), Texts{" 12- 21"}) << c.yearStem << c.sex;
  }
}

// A star's expected cell and, where it matters, its slot.
struct Expected {
  const char* star;
  const char* cell;
  int slot = 0;  // 0: any slot
};

void ExpectStars(const DrawnChart& d, std::initializer_list<Expected> stars,
                 const std::string& what) {
  for (const Expected& e : stars) {
    StarSlot at = WhereIs(d.chart, e.star);
    EXPECT_EQ(at.cell, B(e.cell)) << what << ": " << e.star;
    if (e.slot) {
      EXPECT_EQ(at.slot, e.slot) << what << ": " << e.star;
    }
  }
}

TEST(ZiWeiMainStars, ZiWeiAtZiAndTheMirroredTianFuGroup) {
  DrawnChart d(With([](Moment& m) { m.lunarDay = 22; }));  // 水二局 day 22: 紫微 子
  ExpectStars(d,
              {{"紫微", "子", 1}, {"天機", "亥", 1}, {"太陽", "酉", 1}, {"武曲", "申", 1},
               {"天同", "未", 1}, {"廉貞", "辰", 1}, {"天府", "辰", 2}, {"太陰", "巳", 1},
               {"貪狼", "午", 1}, {"巨門", "未", 2}, {"天相", "申", 2}, {"天梁", "酉", 2},
               {"七殺", "戌", 1}, {"破軍", "寅", 1}},
              "紫微 子");
  // 紫微 and 天府 meet at 寅 (day 2) and at 申 (day 14).
  for (auto [day, cell] : {std::pair{2, "寅"}, std::pair{14, "申"}}) {
    DrawnChart meet(With([&](Moment& m) { m.lunarDay = day; }));
    EXPECT_EQ(StarsIn(meet.chart, B(cell)).at(0), "紫微");
    EXPECT_EQ(StarsIn(meet.chart, B(cell)).at(1), "天府");
  }
}

TEST(ZiWeiAuxiliaryStars, FactsOfHourMonthAndYearStem) {
  struct Case {
    Moment moment;
    std::initializer_list<Expected> stars;
    const char* what;
  };
  const Case cases[] = {
      {With([](Moment& m) { m.hourBranch = B("卯"); }), {{"文昌", "未"}, {"文曲", "未"}}, "卯 hour"},
      {With([](Moment& m) { m.hourBranch = B("酉"); }), {{"文昌", "丑"}, {"文曲", "丑"}}, "酉 hour"},
      {Base(), {{"左輔", "未"}, {"右弼", "未"}}, "month 4"},
      {With([](Moment& m) { m.lunarMonth = 10; }), {{"左輔", "丑"}, {"右弼", "丑"}}, "month 10"},
      {With([](Moment& m) { m.yearStem = 5, m.yearBranch = 5; }), {{"天官", "卯"}, {"天福", "卯"}}, "戊"},
      {With([](Moment& m) { m.yearStem = 9, m.yearBranch = 9; }),
       {{"祿存", "亥"}, {"擎羊", "子"}, {"陀羅", "戌"}}, "壬"},
      {With([](Moment& m) { m.yearStem = 10, m.yearBranch = 10; }),
       {{"祿存", "子"}, {"擎羊", "丑"}, {"陀羅", "亥"}}, "癸"},
      {Base(), {{"陀羅", "丑"}, {"天魁", "丑"}, {"天鉞", "未"}, {"天官", "未"}}, "甲"},
  };
  for (const Case& c : cases) {
    DrawnChart d(c.moment);
    ExpectStars(d, c.stars, c.what);
    // Stars that share a cell enter it in the order of their ids.
    for (auto it = c.stars.begin(); it + 1 < c.stars.end(); ++it)
      if (std::string(it->cell) == (it + 1)->cell) {
        EXPECT_LT(WhereIs(d.chart, it->star).slot, WhereIs(d.chart, (it + 1)->star).slot)
            << c.what;
      }
  }
  // 紫微 and 天府 at 寅 (金四局 day 4) take slots 1 and 2; 文昌 of the 申 hour takes slot 3.
  DrawnChart third(With([](Moment& m) { m.lunarDay = 4, m.hourBranch = B("申"); }));
  ExpectStars(third, {{"紫微", "寅", 1}, {"天府", "寅", 2}, {"文昌", "寅", 3}}, "slot 3");
}

// The mark printed under a star: 3.2 below its slot point.
Texts MarkUnder(const DrawnChart& d, const char* star) {
  StarSlot at = WhereIs(d.chart, star);
  SlotPoint p = d.chart.slots[at.cell][at.slot];
  return TextsNear(d.canvas, p.x, p.y + 3.2);
}

TEST(ZiWeiTransformations, MarksStandUnderTheirStarsOnly) {
  // 甲 year, 紫微 at 巳 (水二局 day 8): 廉貞 and 破軍 share 酉.
  DrawnChart jia(With([](Moment& m) { m.lunarDay = 8; }));
  ASSERT_EQ(jia.Cell("廉貞"), jia.Cell("破軍"));
  struct Mark {
    const char* star;
    const char* mark;
  };
  auto expectMarks = [](const DrawnChart& d, std::initializer_list<Mark> marks, const char* what) {
    for (const Mark& m : marks) EXPECT_EQ(MarkUnder(d, m.star), Texts{m.mark}) << what << m.star;
  };
  expectMarks(jia, {{"廉貞", "祿"}, {"破軍", "權"}, {"武曲", "科"}, {"太陽", "忌"}}, "甲");
  DrawnChart bing(With([](Moment& m) { m.yearStem = 3, m.yearBranch = 3; }));
  expectMarks(bing, {{"文昌", "科"}, {"廉貞", "忌"}}, "丙");
  DrawnChart xin(With([](Moment& m) { m.yearStem = 8, m.yearBranch = 8; }));
  expectMarks(xin, {{"文曲", "科"}, {"文昌", "忌"}}, "辛");
  DrawnChart wu(With([](Moment& m) { m.yearStem = 5, m.yearBranch = 5; }));
  expectMarks(wu, {{"右弼", "科"}}, "戊");
  EXPECT_TRUE(MarkUnder(wu, "左輔").empty());
  DrawnChart ren(With([](Moment& m) { m.yearStem = 9, m.yearBranch = 9; }));
  expectMarks(ren, {{"左輔", "科"}}, "壬");
}

TEST(ZiWeiMonthStars, JieKongAndTheMonthStarsFacts) {
  DrawnChart first(With([](Moment& m) { m.lunarMonth = 1; }));
  ExpectStars(first, {{"天馬", "寅"}, {"陰煞", "寅"}}, "month 1");
  EXPECT_EQ(WhereIs(first.chart, "陰煞").slot, WhereIs(first.chart, "天馬").slot + 1);
  DrawnChart tenth(With([](Moment& m) { m.lunarMonth = 10; }));
  ExpectStars(tenth, {{"天刑", "午"}, {"天月", "午"}}, "month 10");
  EXPECT_LT(WhereIs(tenth.chart, "天刑").slot, WhereIs(tenth.chart, "天月").slot);
  DrawnChart fifth(With([](Moment& m) { m.lunarMonth = 5; }));
  ExpectStars(fifth, {{"天姚", "巳"}, {"天巫", "巳"}}, "month 5");
  DrawnChart wu(With([](Moment& m) { m.yearStem = 5, m.yearBranch = 5; }));
  ExpectStars(wu, {{"截空", "子"}}, "戊");
  ExpectStars(DrawnChart(Base()), {{"截空", "申"}}, "甲");
}

TEST(ZiWeiYearBranchStars, StarsOfAZiYear) {
  DrawnChart d(Base());
  ExpectStars(d,
              {{"紅鸞", "卯"}, {"天喜", "酉"}, {"天哭", "午"}, {"天虛", "午"}, {"孤辰", "寅"},
               {"寡宿", "戌"}, {"解神", "戌"}, {"龍池", "辰"}, {"鳳閣", "戌"}, {"蜚廉", "申"},
               {"破碎", "巳"}},
              "子 year");
  EXPECT_EQ(WhereIs(d.chart, "天虛").slot, WhereIs(d.chart, "天哭").slot + 1);
  EXPECT_EQ(WhereIs(d.chart, "鳳閣").slot, WhereIs(d.chart, "解神").slot + 1);
  EXPECT_EQ(WhereIs(d.chart, "解神").slot, WhereIs(d.chart, "寡宿").slot + 1);
}

// 亥子丑人孤寅寡戌，寅卯辰人孤巳寡丑，巳午未人孤申寡辰，申酉戌人孤亥寡未: the first and last year
// branch of every season.
TEST(ZiWeiYearBranchStars, LonelyAndWidowStarsFollowTheSeasonOfTheYearBranch) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"亥", "寅", "戌"}, {"丑", "寅", "戌"}, {"寅", "巳", "丑"}, {"辰", "巳", "丑"},
      {"巳", "申", "辰"}, {"未", "申", "辰"}, {"申", "亥", "未"}, {"戌", "亥", "未"}};
  for (auto [year, lonely, widow] : cases) {
    const int branch = B(year);
    DrawnChart d(With([branch](Moment& m) { m.yearBranch = branch; }));
    ExpectStars(d, {{"孤辰", lonely}, {"寡宿", widow}}, year);
  }
}

TEST(ZiWeiCountedStars, DayPalaceHourAndYearCounts) {
  struct Case {
    Moment moment;
    std::initializer_list<Expected> stars;
    const char* what;
  };
  const Case cases[] = {
      // 左輔 辰 and 右弼 戌 in month 1.
      {With([](Moment& m) { m.lunarMonth = 1, m.lunarDay = 30; }),
       {{"左輔", "辰"}, {"三台", "酉"}, {"右弼", "戌"}, {"八座", "巳"}}, "day 30"},
      // 文昌 子 at the 戌 hour.
      {With([](Moment& m) { m.hourBranch = B("戌"), m.lunarDay = 1; }), {{"文昌", "子"}, {"恩光", "戌"}}, "day 1"},
      {With([](Moment& m) { m.hourBranch = B("戌"), m.lunarDay = 2; }), {{"恩光", "亥"}}, "day 2"},
      {With([](Moment& m) { m.hourBranch = B("戌"), m.lunarDay = 3; }), {{"恩光", "子"}}, "day 3"},
      {With([](Moment& m) { m.hourBranch = B("戌"), m.lunarDay = 4; }), {{"恩光", "丑"}}, "day 4"},
      // 文曲 亥 at the 未 hour.
      {With([](Moment& m) { m.hourBranch = B("未"), m.lunarDay = 30; }), {{"文曲", "亥"}, {"天貴", "辰"}}, "天貴"},
      // Life palace 寅 (month 1, 子 hour) and 亥 (month 1, 卯 hour).
      {With([](Moment& m) { m.lunarMonth = 1, m.hourBranch = B("子"); }),
       {{"天傷", "未"}, {"天使", "酉"}, {"台輔", "午"}, {"封誥", "寅"}, {"天空", "亥"}, {"地劫", "亥"},
        {"天才", "寅"}},
       "life 寅, 子 hour"},
      {With([](Moment& m) { m.lunarMonth = 1, m.hourBranch = B("卯"); }), {{"天傷", "辰"}, {"天使", "午"}}, "life 亥"},
      // Body palace 申 (month 1, 午 hour) in a 亥 year; in a 亥 year 天才 stands in the 兄弟宮.
      {With([](Moment& m) { m.lunarMonth = 1, m.hourBranch = B("午"), m.yearStem = 2, m.yearBranch = 12; }),
       {{"天壽", "未"}}, "body 申, 亥 year"},
      {With([](Moment& m) { m.lunarMonth = 1, m.hourBranch = B("子"), m.yearStem = 2, m.yearBranch = 12; }),
       {{"天才", "丑"}}, "亥 year, life 寅"},
  };
  for (const Case& c : cases) ExpectStars(DrawnChart(c.moment), c.stars, c.what);
  DrawnChart ziHour(With([](Moment& m) { m.lunarMonth = 1, m.hourBranch = B("子"); }));
  EXPECT_EQ(WhereIs(ziHour.chart, "地劫").slot, WhereIs(ziHour.chart, "天空").slot + 1);
}

TEST(ZiWeiMasters, MastersOfTheLifePalaceAndTheYearBranch) {
  // Life palace 午 (month 1, 申 hour), 子 year.
  DrawnChart d(With([](Moment& m) { m.lunarMonth = 1, m.hourBranch = B("申"); }));
  EXPECT_EQ(TextsNear(d.canvas, 7, 3), Texts{"命主:破軍"});
  EXPECT_EQ(TextsNear(d.canvas, 15, 3), Texts{"身主:火星"});
}

// The stage word of a cell: 16 right of its first slot, 3.8 below its third.
std::string StageOf(const DrawnChart& d, int cell) {
  const auto& s = d.chart.slots[cell];
  Texts t = TextsNear(d.canvas, s[1].x + 16, s[3].y + 3.8);
  return t.empty() ? "" : t.front();
}

TEST(ZiWeiStages, BureauStartAndDirectionBySexAndYearStem) {
  struct Case {
    Moment moment;
    std::vector<std::pair<const char*, const char*>> stages;  // cell, word
  };
  // 土五局: life palace 午 in a 甲 year (month 1, 申 hour); 火六局: life palace 寅 (子 hour).
  auto earth = [](const char* sex) {
    return With([=](Moment& m) { m.lunarMonth = 1, m.hourBranch = B("申"), m.sex = sex; });
  };
  auto fire = [](const char* sex) {
    return With([=](Moment& m) {
      m.lunarMonth = 1, m.hourBranch = B("子"), m.sex = sex, m.yearStem = 2, m.yearBranch = 2;
    });
  };
  const Case cases[] = {
      {earth("M"), {{"申", "長生"}, {"酉", "沐浴"}, {"子", "帝旺"}, {"丑", "  衰"}, {"未", "  養"}}},
      {earth("F"), {{"申", "長生"}, {"未", "沐浴"}, {"午", "冠帶"}, {"酉", "  養"}}},
      {fire("F"), {{"寅", "長生"}, {"卯", "沐浴"}, {"丑", "  養"}}},
      {fire("f"), {{"寅", "長生"}, {"卯", "沐浴"}, {"丑", "  養"}}},
      {fire("m"), {{"寅", "長生"}, {"丑", "沐浴"}, {"卯", "  養"}}},
  };
  for (const Case& c : cases) {
    DrawnChart d(c.moment);
    for (auto [cell, word] : c.stages)
      EXPECT_EQ(StageOf(d, B(cell)), word) << c.moment.sex << " " << cell;
  }
}

TEST(ZiWeiBodyPalace, MarkBesideTheBodyPalaceNameAlsoWhenItIsTheLifePalace) {
  DrawnChart apart(Base());  // body palace 酉
  EXPECT_EQ(TextsNear(apart.canvas, 67, 17), Texts{"(身宮)"});
  DrawnChart together(With([](Moment& m) { m.hourBranch = B("午"); }));  // both 亥
  EXPECT_EQ(together.chart.lifePalace, together.chart.bodyPalace);
  EXPECT_EQ(TextsNear(together.canvas, 62.5, 31), Texts{"命宮"});
  EXPECT_EQ(TextsNear(together.canvas, 67, 31), Texts{"(身宮)"});
}

TEST(ZiWeiLeapMonth, DaysUpToTheFifteenthCountAsTheMonthBeforeAndLaterDaysAsTheNext) {
  struct Case {
    double month;
    int day;
    const char *monthCell, *zuoFu, *tianXing;  // cells of month 1..12 counted from 寅
  };
  const Case cases[] = {
      {4.5, 1, "巳", "未", "子"},   {4.5, 15, "巳", "未", "子"}, {4.5, 16, "午", "申", "丑"},
      {4.5, 30, "午", "申", "丑"},  {12.5, 15, "丑", "卯", "申"}, {12.5, 16, "寅", "辰", "酉"},
  };
  for (const Case& c : cases) {
    DrawnChart d(With([&](Moment& m) { m.lunarMonth = c.month, m.lunarDay = c.day; }));
    EXPECT_EQ(d.chart.monthCell, B(c.monthCell)) << c.month << "/" << c.day;
    EXPECT_EQ(d.Cell("左輔"), B(c.zuoFu)) << c.month << "/" << c.day;
    EXPECT_EQ(d.Cell("天刑"), B(c.tianXing)) << c.month << "/" << c.day;
  }
}

TEST(ZiWeiStarSlots, AFifteenthStarInOneCellIsLeftOutAndTheDrawingGoesOn) {
  // 甲申 year, lunar 93/9/27, 申 hour: life palace 寅, 火六局, 紫微 卯; 寅 receives 15 stars.
  DrawnChart d(With([](Moment& m) {
    m.lunarYear = 93, m.lunarMonth = 9, m.lunarDay = 27, m.yearStem = 1, m.yearBranch = 9;
    m.hourBranch = B("申");
  }));
  Texts inYin = StarsIn(d.chart, B("寅"));
  ASSERT_EQ(inYin.size(), 14u);
  EXPECT_EQ(StarsShown(d.canvas, B("寅")), inYin);
  EXPECT_EQ(inYin.back(), "天貴");
  EXPECT_EQ(d.Cell("台輔"), 0);        // the 15th, left out
  EXPECT_EQ(d.Cell("封誥"), B("戌"));  // the stars after it are placed
  EXPECT_EQ(d.canvas.Items().back().text, "(身宮)");
  // Nothing is written outside the grid but the band above it.
  for (const ui::DrawItem& item : d.canvas.Items()) {
    EXPECT_TRUE(item.x1 >= 1 && item.x1 <= 81 && item.y1 <= 32) << item.text;
  }
}

}  // namespace
}  // namespace qm::ziwei::test
