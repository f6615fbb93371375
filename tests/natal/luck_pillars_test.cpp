// The ten luck pillars with their ages, and the luck record BIGFOR.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "natal/chart_steps.h"
#include "chart_test_support.h"

namespace qm::natal::test {
namespace {

struct LuckPillarCase : ::testing::Test {
  // A chart of 12 May, RocYear 73, day stem 戊, month pillar 己巳.
  Chart& Luck(LuckDirection direction, double startAge) {
    ChartInputs in = InputsOf({{{1, 1}, {6, 6}, {5, 5}, {1, 1}}});
    in.moment = {73, 5, 12, 0, 0};
    chart.emplace(canvas, in);
    chart->luckStart.direction = direction;
    chart->luckStart.age = startAge;
    return *chart;
  }
  // The luck pillars and the luck record, as the natal chart window runs them.
  void Draw(Chart& c) {
    ComputeLuckPillars(c);
    WriteLuckRecord(c);
  }
  std::vector<std::string> Ages() {
    std::vector<std::string> ages;
    for (int k = 1; k <= 10; ++k) {
      auto texts = TextsAt(canvas, 31 - 3 * k, 21);
      ages.push_back(texts.empty() ? "" : texts.front());
    }
    return ages;
  }

  TempProgramFolder folder{"luck_pillars"};
  ui::Canvas canvas;
  std::optional<Chart> chart;
};

TEST_F(LuckPillarCase, ForwardPillarsAgesAndRecord) {
  Draw(Luck(LuckDirection::Forward, 41.0 / 12));
  EXPECT_EQ(folder.Read("BIGFOR"),
            "73,5,12, 5, 3.41666666666667, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 1, 11, 2, 12, 3, 1, 4, 2,"
            " 5, 3, 6, 4\r\n");
  // 庚午 辛未 壬申 癸酉 甲戌 乙亥 丙子 丁丑 戊寅 己卯 from the right.
  const char* stems[] = {"庚", "辛", "壬", "癸", "甲", "乙", "丙", "丁", "戊", "己"};
  const char* branches[] = {"午", "未", "申", "酉", "戌", "亥", "子", "丑", "寅", "卯"};
  for (int k = 1; k <= 10; ++k) {
    EXPECT_EQ(TextsAt(canvas, 32 - 3 * k, 22), std::vector<std::string>{stems[k - 1]});
    EXPECT_EQ(TextsAt(canvas, 32 - 3 * k, 23), std::vector<std::string>{branches[k - 1]});
  }
  // Each age of columns 1 to 9 is followed, on its first character, by its separator.
  EXPECT_EQ(TextsAt(canvas, 28, 21), (std::vector<std::string>{" 3", "-"}));
  EXPECT_EQ(TextsAt(canvas, 1, 21), std::vector<std::string>{" 93"});
}

TEST_F(LuckPillarCase, BackwardFromTenReachesAHundred) {
  Draw(Luck(LuckDirection::Backward, 10));
  EXPECT_EQ(folder.Read("BIGFOR"),
            "73,5,12, 5, 10, 6, 6, 5, 5, 4, 4, 3, 3, 2, 2, 1, 1, 10, 12, 9, 11, 8, 10, 7, 9, 6,"
            " 8\r\n");
  EXPECT_EQ(TextsAt(canvas, 29, 22), std::vector<std::string>{"戊"});
  EXPECT_EQ(TextsAt(canvas, 29, 23), std::vector<std::string>{"辰"});
  EXPECT_EQ(TextsAt(canvas, 2, 22), std::vector<std::string>{"己"});
  EXPECT_EQ(TextsAt(canvas, 2, 23), std::vector<std::string>{"未"});
  EXPECT_EQ(TextsAt(canvas, 1, 21), std::vector<std::string>{"100"});
}

TEST_F(LuckPillarCase, AgesRoundHalfUpToTheNextYear) {
  struct Case {
    double startAge;
    std::vector<std::string> ages;
  };
  const Case cases[] = {
      {2.95, {" 3", " 13", " 23", " 33", " 43", " 53", " 63", " 73", " 83", " 93"}},
      {3.5, {" 4", " 14", " 24", " 34", " 44", " 54", " 64", " 74", " 84", " 94"}},
  };
  for (const Case& t : cases) {
    canvas.Cls();
    Draw(Luck(LuckDirection::Forward, t.startAge));
    std::vector<std::string> ages = Ages();
    EXPECT_EQ(ages, t.ages);
  }
}

TEST_F(LuckPillarCase, NoDirectionWritesNoPillarsAndKeepsThePreviousRecord) {
  std::ofstream(folder.path() / "BIGFOR", std::ios::binary) << "previous\r\n";
  Draw(Luck(LuckDirection::None, 3));
  EXPECT_EQ(folder.Read("BIGFOR"), "previous\r\n");
  EXPECT_TRUE(TextsAt(canvas, 29, 22).empty());
  EXPECT_EQ(TextsAt(canvas, 4, 21), std::vector<std::string>{"-"});
}

TEST_F(LuckPillarCase, AWindowWithoutTheRecordStepWritesNoRecord) {
  Chart& c = Luck(LuckDirection::Forward, 3);
  ComputeLuckPillars(c);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "BIGFOR"));
  EXPECT_EQ(TextsAt(canvas, 29, 22), std::vector<std::string>{"庚"});
}

}  // namespace
}  // namespace qm::natal::test
