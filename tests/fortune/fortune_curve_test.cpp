// The picture of the fortune window: frame, curve, year grid and texts, as display lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fortune/fortune_curve.h"
#include "fortune_support.h"

namespace qm::fortune {
namespace {

using Item = ui::DrawItem;

std::vector<Item> ItemsOf(const ui::Canvas& canvas, Item::Kind kind) {
  std::vector<Item> items;
  for (const Item& item : canvas.Items())
    if (item.kind == kind) items.push_back(item);
  return items;
}

// The texts printed at (x, y), in drawing order.
std::vector<std::string> TextsAt(const ui::Canvas& canvas, double x, double y) {
  std::vector<std::string> texts;
  for (const Item& item : ItemsOf(canvas, Item::Kind::Text))
    if (item.x1 == x && item.y1 == y) texts.push_back(item.text);
  return texts;
}

TEST(YearLabelStep, WidensAtSpansThirtyFiftyThreeAndSeventyTwo) {
  const int cases[][2] = {{1, 1},  {20, 1}, {29, 1}, {30, 2}, {52, 2},
                          {53, 3}, {71, 3}, {72, 4}, {99, 4}};
  for (const auto& [span, step] : cases) EXPECT_EQ(YearLabelStep(span), step) << span;
}

TEST(DrawFortuneFrame, ClearsAndDrawsTheSolidFrameTwoWide) {
  ui::Canvas canvas;
  canvas.PrintAt(1, 1, "old");
  canvas.drawStyle = kDotted;
  DrawFortuneFrame(canvas);
  ASSERT_EQ(canvas.Items().size(), 1u);
  const Item& box = canvas.Items()[0];
  EXPECT_EQ(box.kind, Item::Kind::Box);
  EXPECT_EQ(box.x1, 10);
  EXPECT_EQ(box.y1, -7);
  EXPECT_EQ(box.x2, 100);
  EXPECT_EQ(box.y2, 93);
  EXPECT_EQ(box.colour, 0x007F7F00u);
  EXPECT_EQ(box.width, 2);
  EXPECT_EQ(box.style, kSolid);
  EXPECT_EQ(box.scale, (ui::Scale{0, 100, 107, -94}));
}

TEST(DrawYearGrid, DrawsADottedLineAtEveryLabelledYear) {
  struct Case {
    int span;
    std::size_t lines;
    double lastX;
  };
  const Case cases[] = {
      {20, 21, 10 + 20 * 90.0 / 21}, {29, 30, 10 + 29 * 90.0 / 30}, {30, 16, 10 + 30 * 90.0 / 31},
      {53, 18, 10 + 51 * 90.0 / 54}, {72, 19, 10 + 72 * 90.0 / 73}, {99, 25, 10 + 96 * 90.0 / 100},
  };
  for (const Case& c : cases) {
    ui::Canvas canvas;
    DrawYearGrid(canvas, c.span);
    const auto lines = ItemsOf(canvas, Item::Kind::Line);
    ASSERT_EQ(lines.size(), c.lines) << c.span;
    EXPECT_EQ(lines.front().x1, 10) << c.span;
    EXPECT_DOUBLE_EQ(lines.back().x1, c.lastX) << c.span;
    for (const Item& line : lines) {
      EXPECT_EQ(line.style, kDotted);
      EXPECT_EQ(line.colour, 0x00008888u);
      EXPECT_EQ(line.x1, line.x2);
      EXPECT_EQ(line.y1, -7);
      EXPECT_EQ(line.y2, 93);
    }
  }
}

TEST(DrawFortuneCurve, APointAtTheFirstMonthAndASolidLineToEachNext) {
  std::vector<double> before(252);
  for (std::size_t i = 0; i < before.size(); ++i) before[i] = -0.4 * static_cast<double>(i);
  ui::Canvas canvas;
  canvas.drawStyle = kDotted;
  DrawFortuneCurve(canvas, before);
  const auto points = ItemsOf(canvas, Item::Kind::Point);
  const auto lines = ItemsOf(canvas, Item::Kind::Line);
  ASSERT_EQ(points.size(), 1u);
  ASSERT_EQ(lines.size(), 251u);
  EXPECT_DOUBLE_EQ(points[0].x1, 10 + 90.0 / 252);
  // A curve that only falls: from the top edge to the bottom edge.
  EXPECT_EQ(points[0].y1, 93);
  EXPECT_EQ(lines.back().x2, 100);
  EXPECT_EQ(lines.back().y2, -7);
  EXPECT_EQ(lines.front().x1, points[0].x1);
  for (const Item& line : lines) EXPECT_EQ(line.style, kSolid);
}

TEST(DrawFortuneCurve, AFlatCurveLiesAtMidHeight) {
  ui::Canvas canvas;
  DrawFortuneCurve(canvas, std::vector<double>(24, 0.0));
  ASSERT_EQ(canvas.Items().size(), 24u);
  for (const Item& item : canvas.Items()) {
    EXPECT_EQ(item.y1, 43);
    EXPECT_EQ(item.y2, 43);
  }
}

FortuneTexts DefaultTexts(FortuneWindow window) {
  FortuneTexts texts;
  texts.choices = fixture::kDefaultRoles;
  texts.window = window;
  texts.birthYear = 58;
  texts.dayStem = 3;
  texts.yearPillars = AgeYearPillars(58, fixture::SixtyCycle());
  return texts;
}

TEST(PrintFortuneTexts, TheLegendTheRangeAndTheDayMaster) {
  ui::Canvas canvas;
  FortuneTexts texts = DefaultTexts({26, 46});
  texts.choices[2] = {0, 6};  // 閒: no first choice, 溼土 second
  PrintFortuneTexts(canvas, texts);
  EXPECT_EQ(canvas.GetScale(), (ui::Scale{0, 0, 81, 24.5}));
  const std::pair<double, std::string> legend[] = {
      {3, "用:甲"}, {4, "   乙"}, {5, "喜:丙"}, {6, "   丁"}, {7, "閒:"},
      {8, "   己"}, {9, "仇:庚"}, {10, "   辛"}, {11, "忌:壬"}, {12, "   癸"}};
  for (const auto& [row, text] : legend) EXPECT_EQ(TextsAt(canvas, 1, row), std::vector{text}) << row;
  EXPECT_EQ(TextsAt(canvas, 42, 0), std::vector<std::string>{"流年( 26 - 46 )歲"});
  EXPECT_EQ(TextsAt(canvas, 62, 0), std::vector<std::string>{"本命屬:丙火"});
  EXPECT_EQ(TextsAt(canvas, 1, 14), std::vector{"年齡:" + std::string(79, ' ')});
  EXPECT_EQ(TextsAt(canvas, 1, 15), std::vector{"民國:" + std::string(79, ' ')});
}

TEST(PrintFortuneTexts, EachYearLabelStandsUnderItsGridLine) {
  ui::Canvas canvas;
  PrintFortuneTexts(canvas, DefaultTexts({26, 46}));
  // Age 26 is 甲戌 1994 on a 丙 day: 偏印 over the stem, 戌 as 戊 食神.
  const double x = 10 * 81.0 / 107;
  const std::pair<double, std::string> column[] = {
      {14, "26"}, {15, "83"}, {16, "偏"}, {17, "印"}, {18.2, "甲"}, {19.2, "戌"}, {20.5, "食"},
      {21.5, "神"}};
  for (const auto& [row, text] : column) EXPECT_EQ(TextsAt(canvas, x, row), std::vector{text}) << row;
  // The last of the 21 columns, age 46, under the line of its own year inside the frame.
  const double last = (10 + 20 * 90.0 / 21) * 81 / 107;
  EXPECT_EQ(TextsAt(canvas, last, 14), std::vector<std::string>{"46"});
  EXPECT_EQ(TextsAt(canvas, last, 15), std::vector<std::string>{"103"});
  EXPECT_LT(last, 100.0 * 81 / 107);
}

TEST(PrintFortuneTexts, AWindowFromAgeFiveLabelsItWithTwoDigitsAndAWideOneEveryFourthYear) {
  ui::Canvas narrow;
  PrintFortuneTexts(narrow, DefaultTexts({5, 9}));
  EXPECT_EQ(TextsAt(narrow, 10 * 81.0 / 107, 14), std::vector<std::string>{"05"});
  ui::Canvas wide;
  PrintFortuneTexts(wide, DefaultTexts({1, 100}));
  std::vector<std::string> ages;
  for (const Item& item : ItemsOf(wide, Item::Kind::Text))
    if (item.y1 == 14 && item.x1 != 1) ages.push_back(item.text);
  ASSERT_EQ(ages.size(), 25u);
  EXPECT_EQ(ages.front(), "01");
  EXPECT_EQ(ages[1], "05");
  EXPECT_EQ(ages.back(), "97");
}

}  // namespace
}  // namespace qm::fortune
