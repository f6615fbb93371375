#include "stars/luck_stars.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "support/pillar_text.h"
#include "ui/headless_platform.h"
#include "ui/program.h"
#include "ui/window.h"

namespace {

// The column centres 年 月 日 時 運 歲 流月 and the slots of a column as (dx, row): the 年
// column has no (79, 17), so its slots 5 to 9 are the others' 6 to 10.
constexpr std::array<double, 7> kCentres = {77, 70, 63, 56, 49, 42, 35};
using Slots = std::vector<std::array<double, 2>>;
const Slots kSlots = {{0, 15}, {2, 15}, {-2, 15}, {0, 17}, {2, 17},
                      {-2, 17}, {2, 13}, {-2, 13}, {2, 11}, {-2, 11}};
const Slots kYearSlots = {{0, 15}, {2, 15}, {-2, 15}, {0, 17}, {-2, 17},
                          {2, 13}, {-2, 13}, {2, 11}, {-2, 11}};

std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
  return text;
}

// Reads the grid back: every star must stand in its column's next slot, its second character
// one row below the first. The stars of each column as "羊刃 夾祿", in slot order.
std::array<std::string, 7> Read(const ui::Canvas& canvas) {
  const std::vector<ui::DrawItem>& items = canvas.Items();
  EXPECT_EQ(items.size() % 2, 0u);
  std::array<std::vector<std::string>, 7> columns;
  for (std::size_t i = 0; i + 1 < items.size(); i += 2) {
    const ui::DrawItem& top = items[i];
    const ui::DrawItem& bottom = items[i + 1];
    int column = -1;
    for (std::size_t c = 0; c < 7; ++c) {
      const Slots& slots = c == 0 ? kYearSlots : kSlots;
      const std::size_t slot = columns[c].size();
      if (slot < slots.size() && top.x1 == kCentres[c] + slots[slot][0] && top.y1 == slots[slot][1])
        column = static_cast<int>(c);
    }
    EXPECT_NE(column, -1) << top.text << " at (" << top.x1 << ", " << top.y1
                          << ") is no column's next slot";
    EXPECT_EQ(bottom.x1, top.x1) << top.text << bottom.text;
    EXPECT_EQ(bottom.y1, top.y1 + 1) << top.text << bottom.text;
    if (column >= 0) columns[static_cast<std::size_t>(column)].push_back(top.text + bottom.text);
  }
  std::array<std::string, 7> drawn;
  for (std::size_t c = 0; c < 7; ++c) drawn[c] = Joined(columns[c]);
  return drawn;
}

class LuckStarsTest : public ::testing::Test {
 protected:
  std::array<std::string, 7> Draw(std::string_view chart, std::string_view sex = "M") {
    window.canvas.Cls();
    qm::stars::PrintLuckStars(window, qm::test::PillarsFromText<7>(chart), sex);
    return Read(window.canvas);
  }

  ui::HeadlessPlatform platform;
  ui::Program program{platform};
  ui::Window window{program, "Form3"};
};

struct Case {
  const char* what;
  const char* chart;  // 年 月 日 時 運 歲 流月
  std::array<const char*, 7> columns;
};

// Worked by hand through the 32 tests in their order.
const Case kCharts[] = {
    {"歲 column full at ten: 胞胎 and 空亡 left out", "丁酉 _丑 乙酉 __ __ 庚午 __",
     {"食祿 將星", "華蓋", "天官 將星", "", "",
      "紅艷 干祿 天廚 學堂 文昌 路空 天德 月德 桃花 咸池", ""}},
    {"戊 day, 年 午: 羊刃 then 學士; five 年 stars reach its slot (75, 17)",
     "庚午 _辰 戊寅 __ __ __ __",
     {"羊刃 學士 食祿 將星 寡宿", "夾祿 紅艷", "學堂", "", "", "", ""}},
    {"the flowing columns take the natal keys: 甲 day, 甲 year, 子 year branch, 寅 day",
     "甲子 __ 甲寅 __ 丙子 丁卯 辛未",
     {"學士 孤辰 空亡", "", "干祿 驛馬", "", "學士 食祿 將星 空亡", "羊刃 夾祿 桃花 胞胎",
      "天乙 天官"}},
    {"寡宿 and 血光: the hour's match under the day, a flowing match under itself",
     "__ __ _子 _戌 _戌 _戌 _丑", {"", "", "寡宿 血光", "", "寡宿 血光", "寡宿 血光", ""}},
    {"寡宿 twice under the year, never under 月 or 時", "_子 _戌 _戌 _子 __ __ __",
     {"寡宿 寡宿", "華蓋", "", "隔角", "", "", ""}},
    {"癸亥 day: 子 and 丑 void in every column but the day's", "__ _子 癸亥 _丑 _子 _丑 _子",
     {"", "空亡", "夾祿", "羊刃 暗祿 路空 隔角 空亡", "路空 桃花 空亡",
      "羊刃 暗祿 夾祿 路空 隔角 空亡", "路空 桃花 空亡"}},
};

TEST_F(LuckStarsTest, ChartsWorkedByHand) {
  for (const Case& c : kCharts) {
    SCOPED_TRACE(c.what);
    const std::array<std::string, 7> drawn = Draw(c.chart);
    for (std::size_t column = 0; column < 7; ++column)
      EXPECT_EQ(drawn[column], c.columns[column]) << "column " << column;
  }
}

TEST_F(LuckStarsTest, TheSexChangesNoStar) {
  const char* chart = "丁酉 _丑 乙酉 __ __ 庚午 __";
  EXPECT_EQ(Draw(chart, "M"), Draw(chart, "F"));
  EXPECT_EQ(Draw(chart, "M"), Draw(chart, ""));
}

}  // namespace
