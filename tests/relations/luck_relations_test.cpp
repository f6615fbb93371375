#include "relations/luck_relations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/failure.h"
#include "support/pillar_text.h"
#include "support/relation_lines.h"
#include "ui/headless_platform.h"
#include "ui/program.h"
#include "ui/window.h"

namespace {

class LuckRelationsTest : public ::testing::Test {
 protected:
  // The texts written by the list, checking that the k-th stands at (23, k + 1).
  std::vector<std::string> Lines(std::string_view chart) {
    window.canvas.Cls();
    qm::relations::PrintLuckRelations(window, qm::test::PillarsFromText<7>(chart));
    return qm::test::RelationLines(window.canvas, 23);
  }

  ui::HeadlessPlatform platform;
  ui::Program program{platform};
  ui::Window window{program, "Form3"};
};

struct Case {
  const char* what;
  const char* chart;  // 年 月 日 時 運 歲 流月
  std::vector<std::string> lines;
};

const Case kCases[] = {
    {"one pillar seven times: no relation, no root, no clash within a pillar",
     "甲申 甲申 甲申 甲申 甲申 甲申 甲申", {}},
    {"子 held by 年 and 歲, 丑 by 運: one line", "甲子 甲寅 甲寅 甲寅 乙丑 甲子 甲寅", {"子丑合土"}},
    {"子 by 運 and 丑 by 流月 alone", "甲寅 甲寅 甲寅 甲寅 甲子 甲寅 乙丑", {"子丑合土"}},
    {"年 甲子 against 歲 庚午", "甲子 甲寅 甲寅 甲寅 甲寅 庚午 甲寅",
     {"年歲天地沖", "寅午半合火", "子午沖"}},
    {"the pillar whose stem is controlled comes first, whatever the order",
     "庚午 庚辰 庚辰 庚辰 庚辰 庚辰 甲子", {"流月年天地沖", "子辰半合水", "子午沖", "辰辰自刑"}},
    {"a triple combination keeps its halves out", "乙亥 乙亥 乙亥 乙亥 乙卯 乙未 乙亥",
     {"亥卯未合木", "亥亥自刑"}},
    {"two of three give their one half", "乙亥 乙未 乙亥 乙未 乙亥 乙未 乙亥",
     {"亥未半合木", "亥亥自刑"}},
    {"寅 巳 申 the only branches", "甲寅 甲寅 甲寅 甲寅 癸巳 壬申 甲寅",
     {"巳申合水", "寅巳申三刑", "寅申沖", "寅巳害", "申巳破", "寅巳無恩刑", "寅申無恩刑",
      "巳申無恩刑"}},
    {"two 子 and no 午: no clash", "甲子 甲子 甲寅 甲寅 甲寅 甲寅 甲寅", {}},
    {"年 戊辰 against 月 甲戌", "戊辰 甲戌 乙巳 乙巳 乙巳 乙巳 乙巳", {"年月天地沖", "辰戌沖"}},
    {"an assembly never keeps a triple combination out", "甲寅 丁卯 戊辰 庚午 丙戌 甲寅 甲寅",
     {"寅卯辰會木", "寅午戌合火", "卯戌合火", "辰戌沖", "卯辰害", "午卯破"}},
    {"丑 未 戌 the only branches", "乙丑 乙未 甲戌 乙丑 乙未 甲戌 乙丑",
     {"丑戌未三刑", "丑未沖", "戌未破", "丑未恃勢刑", "丑戌恃勢刑", "未戌恃勢刑"}},
    {"寅 and 巳 without 申: no 三刑", "甲寅 乙巳 甲寅 乙巳 甲寅 乙巳 甲寅", {"寅巳害", "寅巳無恩刑"}},
    {"辰 戌 丑 without 未: no 辰戌丑未會", "甲辰 丙戌 乙丑 丙戌 乙丑 丙戌 乙丑",
     {"辰戌沖", "辰丑破", "丑戌恃勢刑"}},
    {"three 辰 punish themselves once", "甲辰 甲辰 甲辰 乙巳 乙巳 乙巳 乙巳", {"辰辰自刑"}},
    {"a single 辰 does not", "甲辰 乙巳 乙巳 乙巳 乙巳 乙巳 乙巳", {}},
    {"a 運 without a pillar takes part in nothing", "甲子 甲寅 甲寅 甲寅 __ 甲寅 甲寅", {}},
};

TEST_F(LuckRelationsTest, SevenPillarCases) {
  for (const Case& c : kCases) EXPECT_EQ(Lines(c.chart), c.lines) << c.what;
}

// 26 relations, worked through the families in order; the list keeps the first 23, the last on
// row 24, and leaves out 未戌恃勢刑 and 子卯無禮刑 with nothing said.
TEST_F(LuckRelationsTest, ListStopsAtTwentyThreeLines) {
  const std::vector<std::string> expected = {
      "月日天地沖", "運流月天地沖", "甲己合土", "戊癸合火",   "辰戌丑未會", "子丑合土",
      "卯戌合火",   "午未合火",     "卯未半合木", "午戌半合火", "子辰半合水", "子卯午三刑",
      "丑戌未三刑", "子午沖",       "丑未沖",   "辰戌沖",     "子未害",     "丑午害",
      "卯辰害",     "午卯破",       "辰丑破",   "戌未破",     "丑未恃勢刑"};
  EXPECT_EQ(Lines("乙卯 癸丑 己未 甲戌 戊子 甲辰 甲午"), expected);
}

TEST_F(LuckRelationsTest, RefusesANumberOutsideTheTablesBeforeWriting) {
  std::array<int, 14> numbers = qm::test::PillarsFromText<7>("甲子 甲子 甲子 甲子 甲子 甲子 甲子");
  numbers[13] = 13;
  EXPECT_THROW(qm::relations::PrintLuckRelations(window, numbers), qm::Failure);
  EXPECT_TRUE(window.canvas.Items().empty());
}

}  // namespace
