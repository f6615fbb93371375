// The element lines of the luck window, on the columns of a worked example.
#include <gtest/gtest.h>

#include "luck/luck_window_texts.h"
#include "support/pillar_text.h"

namespace qm::luck {
namespace {

std::vector<std::string> Shown(const ui::Canvas& canvas) {
  std::vector<std::string> shown;
  for (const ui::DrawItem& item : canvas.Items())
    shown.push_back(std::to_string(static_cast<int>(item.x1)) + "," +
                    std::to_string(static_cast<int>(item.y1)) + " " + item.text);
  return shown;
}

TEST(ElementLines, StemsAndBranchesFromFlowingMonthToYear) {
  // 年 甲子, 月 丙寅, 日 甲辰, 時 乙亥, 運 丁卯, 歲 甲午, 流月 己巳.
  const std::array<int, 14> n = test::PillarsFromText<7>("甲子 丙寅 甲辰 乙亥 丁卯 甲午 己巳");
  std::array<int, 7> stems{}, branches{};
  std::copy(n.begin(), n.begin() + 7, stems.begin());
  std::copy(n.begin() + 7, n.end(), branches.begin());
  ui::Canvas canvas;
  PrintElementLines(canvas, stems, branches);
  const std::vector<std::string> expected = {"37,20 木: 甲乙甲甲", "51,20 卯寅", "37,21 火: 丁丙",
                                             "51,21 巳午",         "37,22 土: 己", "51,22 辰",
                                             "37,23 金: ",         "37,24 水: ",   "51,24 亥子"};
  EXPECT_EQ(Shown(canvas), expected);
}

TEST(ElementLines, AColumnWithoutAPillarAddsNothing) {
  ui::Canvas canvas;
  PrintElementLines(canvas, {1, 1, 1, 1, 0, 1, 1}, {3, 3, 3, 3, 0, 3, 3});
  EXPECT_EQ(Shown(canvas)[0], "37,20 木: 甲甲甲甲甲甲");
  EXPECT_EQ(Shown(canvas)[1], "51,20 寅寅寅寅寅寅");
}

}  // namespace
}  // namespace qm::luck
