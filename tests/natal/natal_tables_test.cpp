// The chart tables delivered in data/ and their readers.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <set>

#include "base/failure.h"
#include "natal/chart_tables.h"
#include "chart_test_support.h"

namespace qm::natal {
namespace {

using test::TempProgramFolder;

void WriteFile(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

TEST(HiddenStemTable, HoldsTheHiddenStemsOfEveryBranch) {
  const std::array<std::string_view, 13> expected = {
      "",
      "癸水 1 | 0 | 0",
      "辛金 0.1 | 己土 0.6 | 癸水 0.3",
      "丙火 0.2 | 甲木 0.6 | 戊土 0.2",
      "乙木 1 | 0 | 0",
      "癸水 0.1 | 戊土 0.6 | 乙木 0.3",
      "庚金 0.2 | 丙火 0.6 | 戊土 0.2",
      "丁火 0.7 | 己土 0.3 | 0",
      "乙木 0.1 | 己土 0.6 | 丁火 0.3",
      "壬水 0.2 | 庚金 0.6 | 戊土 0.2",
      "辛金 1 | 0 | 0",
      "丁火 0.1 | 戊土 0.6 | 辛金 0.3",
      "壬水 0.7 | 甲木 0.3 | 0"};
  auto table = ReadHiddenStemTable();
  for (int branch = 1; branch <= 12; ++branch) {
    std::string row;
    for (const HiddenSlot& slot : table[branch])
      row += (row.empty() ? "" : " | ") + (slot.text.empty() ? "" : slot.text + " ") + slot.weight;
    EXPECT_EQ(row, expected[branch]) << kBranchNames[branch];
  }
}

// The chart shows as many slots of the file as the program's own table holds hidden stems for
// the branch, and the relation list roots stems in that table: the shown slots hold its stems
// (in the file's order, principal stem in the middle of three) and the other slots none.
TEST(HiddenStemTable, TheShownSlotsHoldTheHiddenStemsTheProgramKnows) {
  auto table = ReadHiddenStemTable();
  for (int branch = 1; branch <= 12; ++branch) {
    std::multiset<int> shown;
    for (int slot = 0; slot < 3; ++slot) {
      const std::optional<int> stem = StemFromText(CharOf(table[branch][slot].text, 0));
      if (slot < HiddenStemCount(branch)) {
        ASSERT_TRUE(stem) << kBranchNames[branch] << " slot " << slot + 1;
        shown.insert(*stem);
      } else {
        EXPECT_FALSE(stem) << kBranchNames[branch] << " slot " << slot + 1;
      }
    }
    std::multiset<int> known;
    for (int stem : kHiddenStemTable[branch])
      if (stem != 0) known.insert(stem);
    EXPECT_EQ(shown, known) << kBranchNames[branch];
  }
}

TEST(StageBranchTable, RunsYangStemsForwardAndYinStemsBackwardFromTheirBirth) {
  EXPECT_EQ(ReadStageBranchTable(), test::AlmanacStageTable());
  auto table = ReadStageBranchTable();
  EXPECT_EQ(table[1][4], 3);   // 甲 建祿 at 寅
  EXPECT_EQ(table[2][5], 3);   // 乙 帝旺 at 寅
  EXPECT_EQ(table[7][4], 9);   // 庚 建祿 at 申
  EXPECT_EQ(table[10][4], 1);  // 癸 建祿 at 子
  EXPECT_EQ(table[3][9], 11);  // 丙 墓 at 戌
}

TEST(MonthlyStemWeights, AreTheValuesOfTheSeasonalStates) {
  constexpr std::array<double, 6> kStateWeight = {0, 2, 1, 0, -0.5, -1};
  auto table = ReadMonthlyStemWeights();
  for (int stem = 1; stem <= 10; ++stem)
    for (int branch = 1; branch <= 12; ++branch)
      EXPECT_EQ(table[stem][branch],
                kStateWeight[SeasonStateOf(StemElement(stem), StateSeason(branch))])
          << kStemNames[stem] << " in " << kBranchNames[branch];
  EXPECT_EQ(table[1][1], 1);    // 甲 in 子: 木相
  EXPECT_EQ(table[3][7], 2);    // 丙 in 午: 火旺
  EXPECT_EQ(table[7][3], -0.5); // 庚 in 寅: 金囚
  EXPECT_EQ(table[9][2], -1);   // 壬 in 丑: 水死
  EXPECT_EQ(table[5][8], 2);    // 戊 in 未: 土旺
}

TEST(StageBranchTable, RefusesARowThatIsNotEveryBranchOnce) {
  TempProgramFolder folder("stage_rows");
  std::string text;
  for (int stem = 1; stem <= 10; ++stem)
    text += stem == 4 ? "1,2,3,4,5,6,7,8,9,10,11,11\r\n" : "1,2,3,4,5,6,7,8,9,10,11,12\r\n";
  WriteFile(folder.path() / "干週行支.DAT", text);
  EXPECT_THROW(ReadStageBranchTable(), Failure);
}

TEST(ChartTables, AMissingOrShortFileIsAFailure) {
  TempProgramFolder folder("short_tables");
  EXPECT_THROW(ReadHiddenStemTable(), Failure);
  EXPECT_THROW(ReadStageBranchTable(), Failure);
  EXPECT_THROW(ReadMonthlyStemWeights(), Failure);
  WriteFile(folder.path() / "天干當令.DAT", "1,2,3\r\n");
  EXPECT_THROW(ReadMonthlyStemWeights(), Failure);
  WriteFile(folder.path() / "地支藏干.DAT", "癸水,1,,0,,0\r\n");
  EXPECT_THROW(ReadHiddenStemTable(), Failure);
}

}  // namespace
}  // namespace qm::natal
