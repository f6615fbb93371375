// The combined chart of 1984-05-12 08:30 (lunar 73/4/12, 辰 hour, a man) as the window draws
// it, every cell checked against the chart rules by hand, and the brightness words read from a
// table whose words name their star and cell.
#include <gtest/gtest.h>

#include "ziwei_support.h"

namespace qm::ziwei::test {
namespace {

TEST(ZiWeiWorkedChart, Of1984May12At0830) {
  ui::Canvas canvas;
  ZiWeiInputs in;
  in.lunar = {73, 4, 12, "0"};
  in.pillars = ComputePillars(73, 5, 12, 8, 30);
  in.year = 73, in.month = 5, in.day = 12;
  in.sex = "M";
  ASSERT_EQ(*SolarToLunar(73, 5, 12), in.lunar);
  ZiWeiChart chart(canvas, in);
  DrawZiWeiChart(chart);

  EXPECT_EQ(TextsNear(canvas, 4.5, 2), Texts{"(陽73/5/12 陰73/4/12 辰時)"});
  EXPECT_EQ(TextsNear(canvas, 1, 2), Texts{"陽男"});
  EXPECT_EQ(TextsNear(canvas, 1, 3), Texts{"水二局"});
  EXPECT_EQ(TextsNear(canvas, 7, 3), Texts{"命主:巨門"});
  EXPECT_EQ(TextsNear(canvas, 15, 3), Texts{"身主:火星"});
  EXPECT_EQ(chart.lifePalace, B("丑"));
  EXPECT_EQ(chart.bodyPalace, B("酉"));

  struct Cell {
    const char* branch;
    const char* stem;
    const char* palace;
    const char* decade;
    const char* stage;
    Texts stars;
  };
  const Cell cells[] = {
      {"子", "丙", "兄弟宮", "112-121", "帝旺", {"巨門", "天刑"}},
      {"丑", "丁", "命宮", " 2- 11", "  衰", {"天相", "陀羅", "天魁", "天才"}},
      {"寅", "丙", "父母宮", " 12- 21", "  病", {"天同", "天梁", "鈴星", "祿存", "天月", "孤辰"}},
      {"卯", "丁", "福德宮", " 22- 31", "  死", {"武曲", "七殺", "擎羊", "紅鸞", "恩光", "地劫"}},
      {"辰", "戊", "田宅宮", " 32- 41", "  墓", {"太陽", "天姚", "龍池"}},
      {"巳", "己", "官祿宮", " 42- 51", "  絕", {"天馬", "破碎"}},
      {"午", "庚", "朋友宮", " 52- 61", "  胎",
       {"天機", "文昌", "火星", "天哭", "天虛", "三台", "天傷", "封誥"}},
      {"未", "辛", "遷移宮", " 62- 71", "  養",
       {"紫微", "破軍", "左輔", "右弼", "天鉞", "天官", "天貴", "天空"}},
      {"申", "壬", "疾厄宮", " 72- 81", "長生", {"文曲", "截空", "陰煞", "蜚廉", "八座", "天使"}},
      {"酉", "癸", "財帛宮", " 82- 91", "沐浴", {"天府", "天福", "天喜", "天壽"}},
      {"戌", "甲", "子女宮", " 92-101", "冠帶", {"太陰", "寡宿", "解神", "鳳閣", "台輔"}},
      {"亥", "乙", "夫妻宮", "102-111", "臨官", {"廉貞", "貪狼", "天巫"}},
  };
  for (const Cell& c : cells) {
    const int cell = B(c.branch);
    const double left = kCellCorners[cell].left, line = kCellCorners[cell].top + 6;
    EXPECT_EQ(TextsNear(canvas, left + 18.5, line), Texts{c.branch});
    EXPECT_EQ(TextsNear(canvas, left + 17, line), Texts{c.stem}) << c.branch;
    EXPECT_EQ(TextsNear(canvas, left + 1.5, line), Texts{c.palace}) << c.branch;
    EXPECT_EQ(TextsNear(canvas, left + 11, line), Texts{c.decade}) << c.branch;
    EXPECT_EQ(TextsNear(canvas, left + 17.5, kCellCorners[cell].top + 4.8), Texts{c.stage})
        << c.branch;
    EXPECT_EQ(StarsShown(canvas, cell), c.stars) << c.branch;
    EXPECT_EQ(StarsIn(chart, cell), c.stars) << c.branch;
  }
  EXPECT_EQ(TextsNear(canvas, 67, 17), Texts{"(身宮)"});

  // 祿 廉貞 (亥 slot 1), 權 破軍 (未 slot 2), 科 武曲 (卯 slot 1), 忌 太陽 (辰 slot 1).
  EXPECT_EQ(TextsNear(canvas, 62.5, 29.2), Texts{"祿"});
  EXPECT_EQ(TextsNear(canvas, 44.1, 8.2), Texts{"權"});
  EXPECT_EQ(TextsNear(canvas, 2.5, 22.2), Texts{"科"});
  EXPECT_EQ(TextsNear(canvas, 2.5, 15.2), Texts{"忌"});
}

// ABCDE.DAT whose word for star s in cell c is s followed by the branch of c.
void WriteBrightnessFixture(const qm::test::TempFolder& folder) {
  std::string text;
  for (int star = 1; star <= kBrightStars; ++star)
    for (int cell = 1; cell <= 12; ++cell)
      text += std::to_string(star) + std::string(kBranchNames[cell]) + (cell == 12 ? "\r\n" : ",");
  folder.Write("ABCDE.DAT", text);
}

TEST(ZiWeiBrightness, EachOfTheFirst21StarsShowsTheWordOfItsOwnRowAndCell) {
  qm::test::TempFolder folder("ziwei_brightness");
  folder.CopyAllData();
  WriteBrightnessFixture(folder);
  for (int day : {12, 2}) {  // 紫微 未; 紫微 with 天府 at 寅
    DrawnChart d(Moment{73, 4, day});
    for (int star = 1; star <= 57; ++star) {
      StarSlot at = WhereIs(d.chart, kStarNames[star]);
      SlotPoint p = d.chart.slots[at.cell][at.slot];
      Texts word = TextsNear(d.canvas, p.x, p.y + 2.1);
      if (star <= kBrightStars)
        EXPECT_EQ(word, Texts{std::to_string(star) + std::string(kBranchNames[at.cell])})
            << kStarNames[star];
      else
        EXPECT_TRUE(word.empty()) << kStarNames[star];
    }
  }
}

}  // namespace
}  // namespace qm::ziwei::test
