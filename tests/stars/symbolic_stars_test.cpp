#include "stars/symbolic_stars.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "base/names.h"
#include "support/pillar_text.h"
#include "ui/headless_platform.h"
#include "ui/program.h"
#include "ui/window.h"

namespace {


// The column centres, year to hour, and the eleven places of a column as (dx, row).
constexpr std::array<double, 4> kCentres = {77, 70, 63, 56};
constexpr std::array<std::array<double, 2>, 11> kSlots = {{{0, 20}, {2, 20}, {-2, 20}, {0, 22},
                                                           {2, 22}, {-2, 22}, {0, 24}, {2, 24},
                                                           {-2, 24}, {2, 18}, {-2, 18}}};

// The stars of each column as "羊刃 夾祿", in slot order, and the two pillar lines.
struct Drawn {
  std::array<std::string, 4> columns;
  std::string conception, breath;
};

std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
  return text;
}

// Reads the canvas back: every star must stand in its column's next slot, its second character
// one row below the first, and the two pillar lines must come last at (3, 24) and (12, 24).
Drawn Read(const ui::Canvas& canvas) {
  const std::vector<ui::DrawItem>& items = canvas.Items();
  Drawn drawn;
  if (items.size() < 2) {
    ADD_FAILURE() << "the conception and breath lines are missing";
    return drawn;
  }
  for (const ui::DrawItem& item : items) EXPECT_EQ(item.kind, ui::DrawItem::Kind::Text);
  std::array<std::vector<std::string>, 4> columns;
  const std::size_t stars = items.size() - 2;
  EXPECT_EQ(stars % 2, 0u);
  for (std::size_t i = 0; i + 1 < stars; i += 2) {
    const ui::DrawItem& top = items[i];
    const ui::DrawItem& bottom = items[i + 1];
    int column = -1;
    for (std::size_t c = 0; c < 4; ++c) {
      const std::size_t slot = columns[c].size();
      if (slot < kSlots.size() && top.x1 == kCentres[c] + kSlots[slot][0] &&
          top.y1 == kSlots[slot][1]) {
        column = static_cast<int>(c);
      }
    }
    EXPECT_NE(column, -1) << top.text << " at (" << top.x1 << ", " << top.y1
                          << ") is no column's next slot";
    EXPECT_EQ(top.text.size(), 3u);
    EXPECT_EQ(bottom.text.size(), 3u);
    EXPECT_EQ(bottom.x1, top.x1) << top.text << bottom.text;
    EXPECT_EQ(bottom.y1, top.y1 + 1) << top.text << bottom.text;
    if (column >= 0) columns[static_cast<std::size_t>(column)].push_back(top.text + bottom.text);
  }
  for (std::size_t c = 0; c < 4; ++c) drawn.columns[c] = Joined(columns[c]);
  const ui::DrawItem& conception = items[items.size() - 2];
  const ui::DrawItem& breath = items[items.size() - 1];
  EXPECT_EQ(conception.x1, 3);
  EXPECT_EQ(conception.y1, 24);
  EXPECT_EQ(breath.x1, 12);
  EXPECT_EQ(breath.y1, 24);
  drawn.conception = conception.text;
  drawn.breath = breath.text;
  return drawn;
}

class SymbolicStarsTest : public ::testing::Test {
 protected:
  Drawn Draw(const std::array<int, 8>& numbers, std::string_view sex) {
    qm::stars::PrintSymbolicStars(window, numbers, sex);
    return Read(window.canvas);
  }
  Drawn Draw(std::string_view chart, std::string_view sex) { return Draw(qm::test::PillarsFromText(chart), sex); }

  ui::HeadlessPlatform platform;
  ui::Program program{platform};
  ui::Window window{program, "Form2"};
};

struct Case {
  const char* what;
  const char* chart;
  const char* sex;
  std::array<const char*, 4> columns;  // year, month, day, hour
  const char* conception;
  const char* breath;
};

// Every chart worked out by hand through the 61 tests in their order.
const Case kCharts[] = {
    {"day column full at eleven: 胞胎 and 空亡 left out", "丙申 庚子 己巳 戊辰", "M",
     {"金輿 天乙", "天乙", "羊刃 夾祿 學士 天官 干祿 天廚 天德 劫煞 日刃 寡宿 孤辰", "紅艷 太極"},
     "胎元:辛卯", "胎息:甲申"},
    {"hour column full at eleven: 咸池 left out, 胞胎 still in the month column",
     "丁丑 甲辰 乙巳 壬午", "M",
     {"食祿 華蓋", "羊刃 夾祿 胞胎", "金輿",
      "紅艷 干祿 天廚 學堂 太極 文昌 路空 天德 月德 桃花 腳踏"},
     "胎元:乙未", "胎息:庚申"},
    {"丙午 day among 午 branches: 羊刃 first in all four columns", "_午 _午 丙午 _午", "M",
     {"羊刃 將星", "羊刃 夾祿 將星 飛天", "羊刃 夾祿 月德 將星 日刃 天轉 陽差 飛天",
      "羊刃 將星 飛天"},
     "胎元:酉", "胎息:辛未"},
    {"戊 day: 羊刃 飛刃 暗祿 金輿 one per column", "_午 _子 戊申 _未", "F",
     {"羊刃 學士 孤辰", "飛刃 將星 再嫁 狼籍 頭戴", "暗祿 文昌 驛馬 寡宿", "金輿 天乙 太極"},
     "胎元:卯", "胎息:癸巳"},
    {"癸 day, 辛 year stem, 申 hour: 學士 紅艷 天官 then 太極 as for 壬", "辛_ __ 癸_ _申", "M",
     {"", "", "", "學士 紅艷 天官 太極"}, "胎元:", "胎息:戊"},
    {"丁酉 day among 酉 branches: 天乙 and 學堂 in all four columns", "_酉 _酉 丁酉 _酉", "M",
     {"天乙 學堂 太極 文昌 將星", "天乙 學堂 太極 文昌 將星 狼籍",
      "天乙 學堂 太極 文昌 將星 日貴", "天乙 學堂 太極 文昌 將星"},
     "胎元:子", "胎息:壬辰"},
    {"乙 day, 午 hour: 紅艷 學堂 太極 文昌 路空", "__ __ 乙_ _午", "M",
     {"", "", "", "紅艷 學堂 太極 文昌 路空"}, "胎元:", "胎息:庚"},
    {"甲 day with 丙 year and hour stems: 食祿 twice, the branch 寅 not", "丙寅 __ 甲_ 丙_", "M",
     {"食祿", "", "", "食祿"}, "胎元:", "胎息:己"},
    {"寅 month with 丙 day and hour stems: 月德 twice", "__ _寅 丙_ 丙_", "M",
     {"", "紅艷 學堂", "月德", "月德"}, "胎元:巳", "胎息:辛"},
    {"午 month: 天德 for the hour branch 亥", "__ _午 __ _亥", "M", {"", "", "", "天德"},
     "胎元:酉", "胎息:"},
    {"癸亥 day, 丁巳 year, 午 month: 日刃 十惡 四廢", "丁巳 _午 癸亥 __", "F",
     {"天乙 太極 天財 驛馬", "干祿 狼籍 咸池", "夾祿 天德 驛馬 日刃 十惡 四廢 陰錯 頭戴", ""},
     "胎元:酉", "胎息:戊寅"},
    {"甲子 day in a 子 month, 甲戌 year: 進神 天赦, 空亡 on the year", "甲戌 _子 甲子 __", "M",
     {"空亡", "學士 太極 將星", "學士 太極 進神 天赦 寡宿", ""}, "胎元:卯", "胎息:己丑"},
    {"辛卯 day in a 寅 month, female: 地轉 then 陰錯", "__ _寅 辛卯 __", "F",
     {"", "天乙 太極", "地轉 陰錯", ""}, "胎元:巳", "胎息:丙戌"},
    {"year 子 with month and day 戌: 寡宿 twice under the year", "_子 _戌 _戌 _子", "M",
     {"寡宿 寡宿", "華蓋", "", "隔角"}, "胎元:丑", "胎息:卯"},
    {"甲 戊 庚 in month, day, hour: 天奇 under the year", "__ 甲_ 戊_ 庚_", "M",
     {"天奇", "", "", "食祿"}, "胎元:乙", "胎息:癸"},
    {"庚 戊 甲 in year, month, day: 天奇 backwards", "庚_ 戊_ 甲_ __", "M",
     {"天奇", "天財", "", ""}, "胎元:己", "胎息:己"},
    {"甲 戊 乙 庚: the run is broken, no 天奇", "甲_ 戊_ 乙_ 庚_", "M", {"", "", "", ""},
     "胎元:己", "胎息:庚"},
    {"庚戌 month and 戊戌 hour: 魁罡 twice, not for 壬戌", "__ 庚戌 壬戌 戊戌", "M",
     {"", "夾祿 華蓋 魁罡", "夾祿 日德 陽差", "華蓋 魁罡"}, "胎元:辛丑", "胎息:丁卯"},
    {"male year 亥, month 辰: 掃進 八敗 重婚 腳踏", "_亥 _辰 __ __", "M",
     {"", "掃進 八敗 重婚 腳踏", "", ""}, "胎元:未", "胎息:"},
    {"female year 亥, month 辰: 八敗 腳踏", "_亥 _辰 __ __", "F", {"", "八敗 腳踏", "", ""},
     "胎元:未", "胎息:"},
    {"female year 子, month 午: 再嫁 狼籍 頭戴", "_子 _午 __ __", "F",
     {"", "再嫁 狼籍 頭戴", "", ""}, "胎元:酉", "胎息:"},
    {"male year 子, month 午: 狼籍 頭戴", "_子 _午 __ __", "M", {"", "狼籍 頭戴", "", ""},
     "胎元:酉", "胎息:"},
    {"year 子, other branches 亥: 亡神 in three columns", "_子 _亥 _亥 _亥", "M",
     {"", "亡神", "亡神", "亡神"}, "胎元:寅", "胎息:寅"},
    {"癸亥 day: 子 month void", "__ _子 癸亥 __", "", {"", "空亡", "夾祿 日刃", ""}, "胎元:卯",
     "胎息:戊寅"},
    {"甲辰 year: day branch 卯 void", "甲辰 __ _卯 __", "M", {"", "", "空亡", ""}, "胎元:",
     "胎息:戌"},
    {"亥 day, 丑 hour: 隔角 across 子", "__ __ _亥 _丑", "M", {"", "", "", "隔角"}, "胎元:",
     "胎息:寅"},
    {"甲丑 day lies in no decade: no 空亡 for the year 子", "_子 __ 甲丑 __", "M",
     {"學士 太極", "", "天乙 夾祿 太極", ""}, "胎元:", "胎息:己子"},
    {"nothing chosen: only the two labels", "__ __ __ __", "M", {"", "", "", ""}, "胎元:",
     "胎息:"},
};

TEST_F(SymbolicStarsTest, ChartsWorkedByHand) {
  for (const Case& c : kCharts) {
    SCOPED_TRACE(c.what);
    window.canvas.Cls();
    const Drawn drawn = Draw(c.chart, c.sex);
    for (std::size_t column = 0; column < 4; ++column) {
      EXPECT_EQ(drawn.columns[column], c.columns[column]) << "column " << column;
    }
    EXPECT_EQ(drawn.conception, c.conception);
    EXPECT_EQ(drawn.breath, c.breath);
  }
}

TEST_F(SymbolicStarsTest, ElevenSlotsOfTheDayColumnInOrder) {
  qm::stars::PrintSymbolicStars(window, qm::test::PillarsFromText("丙申 庚子 己巳 戊辰"), "M");
  std::vector<std::array<double, 2>> places;
  std::string texts;
  for (const ui::DrawItem& item : window.canvas.Items()) {
    if (item.x1 >= 61 && item.x1 <= 65) {
      places.push_back({item.x1, item.y1});
      texts += item.text;
    }
  }
  const std::vector<std::array<double, 2>> expected = {
      {63, 20}, {63, 21}, {65, 20}, {65, 21}, {61, 20}, {61, 21}, {63, 22}, {63, 23},
      {65, 22}, {65, 23}, {61, 22}, {61, 23}, {63, 24}, {63, 25}, {65, 24}, {65, 25},
      {61, 24}, {61, 25}, {65, 18}, {65, 19}, {61, 18}, {61, 19}};
  EXPECT_EQ(places, expected);
  EXPECT_EQ(texts, "羊刃夾祿學士天官干祿天廚天德劫煞日刃寡宿孤辰");
}

TEST_F(SymbolicStarsTest, SexCodeSelectsOnlyTheSexStars) {
  struct SexCase {
    const char* sex;
    const char* day;
  };
  // 辛卯 in a 寅 month: 陰錯 for a female code only.
  const SexCase cases[] = {{"F", "地轉 陰錯"}, {"f", "地轉 陰錯"}, {"M", "地轉"},
                           {"m", "地轉"},      {"", "地轉"},        {"女", "地轉"}};
  for (const SexCase& c : cases) {
    window.canvas.Cls();
    const Drawn drawn = Draw("__ _寅 辛卯 __", c.sex);
    EXPECT_EQ(drawn.columns[2], c.day) << c.sex;
    EXPECT_EQ(drawn.columns[1], "天乙 太極") << c.sex;
  }
  // Year 子, month 寅: 孤辰 for either sex, 掃出 for a male code only.
  window.canvas.Cls();
  EXPECT_EQ(Draw("_子 _寅 __ __", "m").columns[1], "掃出");
  window.canvas.Cls();
  const Drawn female = Draw("_子 _寅 __ __", "F");
  EXPECT_EQ(female.columns[0], "孤辰");
  EXPECT_EQ(female.columns[1], "");
}

TEST_F(SymbolicStarsTest, ConceptionAndBreathPillars) {
  struct PillarCase {
    const char* chart;
    const char* conception;
    const char* breath;
  };
  const PillarCase cases[] = {
      {"__ 壬子 戊午 __", "胎元:癸卯", "胎息:癸未"},
      {"__ 癸酉 己巳 __", "胎元:甲子", "胎息:甲申"},
      {"__ 甲申 甲子 __", "胎元:乙亥", "胎息:己丑"},
      {"__ 乙亥 乙丑 __", "胎元:丙寅", "胎息:庚子"},
      {"__ 甲戌 庚寅 __", "胎元:乙丑", "胎息:乙亥"},
      {"__ 丙寅 癸卯 __", "胎元:丁巳", "胎息:戊戌"},
  };
  for (const PillarCase& c : cases) {
    window.canvas.Cls();
    const Drawn drawn = Draw(c.chart, "M");
    EXPECT_EQ(drawn.conception, c.conception) << c.chart;
    EXPECT_EQ(drawn.breath, c.breath) << c.chart;
  }
}

TEST_F(SymbolicStarsTest, NumbersOutOfRangeMatchNothingAndNameNothing) {
  // Stems 11 and -1, branches 13 and 0 everywhere: no star, no character.
  const Drawn drawn = Draw(std::array<int, 8>{11, 11, -1, 12, 13, 13, 13, 0}, "M");
  for (const std::string& column : drawn.columns) EXPECT_EQ(column, "");
  EXPECT_EQ(drawn.conception, "胎元:");
  EXPECT_EQ(drawn.breath, "胎息:");
}

TEST_F(SymbolicStarsTest, AddsToTheWindowWithoutClearingAndStartsAfreshEachCall) {
  window.canvas.PrintAt(10, 2, "命宮");
  qm::stars::PrintSymbolicStars(window, qm::test::PillarsFromText("丙申 庚子 己巳 戊辰"), "M");
  const std::vector<ui::DrawItem> first = window.canvas.Items();
  qm::stars::PrintSymbolicStars(window, qm::test::PillarsFromText("丙申 庚子 己巳 戊辰"), "M");
  const std::vector<ui::DrawItem>& both = window.canvas.Items();
  ASSERT_EQ(both.size(), 2 * first.size() - 1);
  EXPECT_EQ(both.front().text, "命宮");
  for (std::size_t i = 1; i < first.size(); ++i) {
    EXPECT_EQ(both[first.size() - 1 + i].text, first[i].text);
    EXPECT_EQ(both[first.size() - 1 + i].x1, first[i].x1);
    EXPECT_EQ(both[first.size() - 1 + i].y1, first[i].y1);
  }
}

}  // namespace
