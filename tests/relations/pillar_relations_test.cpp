#include "relations/pillar_relations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/failure.h"
#include "base/names.h"
#include "support/pillar_text.h"
#include "support/relation_lines.h"
#include "ui/headless_platform.h"
#include "ui/program.h"
#include "ui/window.h"

namespace {

class PillarRelationsTest : public ::testing::Test {
 protected:
  // The texts written by the list, checking that the k-th stands at (43, k + 1).
  std::vector<std::string> Lines(const std::array<int, 8>& numbers) {
    qm::relations::PrintPillarRelations(window, numbers);
    return qm::test::RelationLines(window.canvas, 43);
  }

  ui::HeadlessPlatform platform;
  ui::Program program{platform};
  ui::Window window{program, "Form2"};
};

struct Case {
  const char* chart;
  std::vector<std::string> lines;
};

const Case kCases[] = {
    // No relation at all.
    {"甲寅 丁卯 丙寅 癸卯", {}},
    // Each stem looked at once, month root before hour root, own branch counts, 乙 roots nowhere.
    {"甲子 丙寅 甲子 乙亥", {"甲得根在寅*", "甲得根在亥", "丙得根在寅*", "寅亥合木", "寅亥破"}},
    // Month and hour branch both 子.
    {"癸丑 甲子 癸酉 甲子",
     {"癸得根在子*", "癸得根在子", "子丑合土", "酉丑半合金", "子酉破", "年干支沖"}},
    // A root in the year or day branch is not searched.
    {"甲寅 乙酉 丙子 丁丑", {"子丑合土", "酉丑半合金", "子酉破", "月干支沖", "日干支沖"}},
    // The pillar whose stem is controlled is named first.
    {"甲子 庚午 __ __", {"年月天地沖", "子午沖", "月干支沖"}},
    {"庚午 甲子 __ __", {"月年天地沖", "子午沖", "年干支沖"}},
    {"甲子 戊午 __ __", {"月年天地沖", "子午沖"}},
    // Pairs in the order of their first pillar, then their second; 午 twice punishes itself.
    {"甲子 庚午 甲子 庚午",
     {"年月天地沖", "年時天地沖", "日月天地沖", "日時天地沖", "子午沖", "午午自刑", "月干支沖",
      "時干支沖"}},
    {"甲申 __ __ __", {"年干支沖"}},
    // 甲子 and 甲寅 clash within no pillar; the hour pillar's own branch roots its stem.
    {"__ 甲子 __ 甲寅", {"甲得根在寅"}},
    // A year pillar of 0 clashes with nothing, though 0 - 己 and 0 - 巳 would give 4 and 6.
    {"__ 己巳 __ __", {}},
    // A year stem 0 roots nowhere, not even in the empty places of 子's hidden stems.
    {"_申 甲子 __ __", {"申子半合水"}},
    // Stems and branches held twice count once.
    {"甲子 甲子 己丑 己卯", {"甲己合土", "子丑合土", "子卯無禮刑", "時干支沖"}},
    // Families in order: roots, stem combination, assembly, six and half combination, harm,
    // break, clash within a pillar.
    {"甲寅 己卯 丙辰 丁亥",
     {"甲得根在亥", "甲己合土", "寅卯辰會木", "寅亥合木", "亥卯半合木", "卯辰害", "寅亥破",
      "月干支沖", "時干支沖"}},
    {"甲子 乙丑 庚辰 己酉",
     {"己得根在丑*", "甲己合土", "乙庚合金", "子丑合土", "辰酉合金", "酉丑半合金", "子辰半合水",
      "子酉破", "辰丑破", "月干支沖"}},
    // A triple combination keeps its half combinations out.
    {"_亥 _卯 _未 _寅", {"亥卯未合木", "寅亥合木", "寅亥破"}},
    {"_寅 _午 _戌 _子", {"寅午戌合火", "子午沖"}},
    {"_亥 _卯 _午 _戌", {"卯戌合火", "亥卯半合木", "午戌半合火", "午卯破"}},
    {"_辰 _戌 _丑 _未",
     {"辰戌丑未會", "丑戌未三刑", "丑未沖", "辰戌沖", "辰丑破", "戌未破", "丑未恃勢刑",
      "丑戌恃勢刑", "未戌恃勢刑"}},
    // A doubled 子 adds nothing and punishes nothing by itself.
    {"_子 _子 _午 _卯", {"子卯午三刑", "子午沖", "午卯破", "子卯無禮刑"}},
    {"_辰 _辰 _辰 _辰", {"辰辰自刑"}},
    {"_辰 _辰 _午 _午", {"辰辰自刑", "午午自刑"}},
    {"_辰 __ __ __", {}},
    {"_寅 _巳 _申 _亥",
     {"寅亥合木", "巳申合水", "寅巳申三刑", "寅申沖", "巳亥沖", "寅巳害", "申亥害", "申巳破",
      "寅亥破", "寅巳無恩刑", "寅申無恩刑", "巳申無恩刑"}},
    {"_寅 _巳 _申 _寅",
     {"巳申合水", "寅巳申三刑", "寅申沖", "寅巳害", "申巳破", "寅巳無恩刑", "寅申無恩刑",
      "巳申無恩刑"}},
    {"_子 _丑 _寅 _卯", {"子丑合土", "子卯無禮刑"}},
    // Twenty-one relations: the list holds twenty and 時干支沖 is left out.
    {"甲申 己亥 癸巳 庚寅",
     {"甲得根在亥*", "甲得根在寅", "年時天地沖", "日月天地沖", "甲己合土", "寅亥合木", "巳申合水",
      "寅巳申三刑", "寅申沖", "巳亥沖", "寅巳害", "申亥害", "申巳破", "寅亥破", "寅巳無恩刑",
      "寅申無恩刑", "巳申無恩刑", "年干支沖", "月干支沖", "日干支沖"}},
};

TEST_F(PillarRelationsTest, EachChartGivesItsLinesInOrder) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.chart);
    window.canvas.Cls();
    EXPECT_EQ(Lines(qm::test::PillarsFromText(c.chart)), c.lines);
  }
}

TEST_F(PillarRelationsTest, WritesInTheCurrentScaleWithoutClearing) {
  window.canvas.SetScale(0, -0.5, 87, 25);
  window.canvas.PrintAt(77, 5, "甲");
  qm::relations::PrintPillarRelations(window, qm::test::PillarsFromText("甲申 __ __ __"));
  const auto& items = window.canvas.Items();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].text, "甲");
  EXPECT_EQ(items[1].text, "年干支沖");
  EXPECT_EQ(items[1].scale, (ui::Scale{0, -0.5, 87, 25}));
}

TEST_F(PillarRelationsTest, ANumberOutsideItsRangeFailsBeforeWriting) {
  std::array<int, 8> numbers = qm::test::PillarsFromText("甲申 己亥 癸巳 庚寅");
  numbers[7] = 13;
  EXPECT_THROW(qm::relations::PrintPillarRelations(window, numbers), qm::Failure);
  EXPECT_TRUE(window.canvas.Items().empty());
}

}  // namespace
