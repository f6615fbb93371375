// The nayin of each pillar from 納音.DAT, and the table delivered with the program.
#include <gtest/gtest.h>

#include <fstream>

#include "base/failure.h"
#include "base/field_reader.h"
#include "natal/chart_steps.h"
#include "chart_test_support.h"

namespace qm::natal::test {
namespace {

// 甲子 丙寅 戊辰 庚申.
const std::array<std::pair<int, int>, 4> kExample = {{{1, 1}, {3, 3}, {5, 5}, {7, 9}}};

struct NayinChart {
  explicit NayinChart(std::array<std::pair<int, int>, 4> pillars) : chart(canvas, InputsOf(pillars)) {}
  ui::Canvas canvas;
  Chart chart;
};

void WriteNayinFile(const std::filesystem::path& folder, const std::string& text) {
  std::ofstream(folder / "納音.DAT", std::ios::binary) << text;
}

// The delivered table's record of each of the sixty pairs, in cycle order.
std::string DeliveredRecords() {
  std::ifstream in(std::filesystem::path(QM_TEST_DATA_DIR) / "納音.DAT", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The delivered table with record n (1..60) replaced by another line.
std::string WithRecord(std::string records, int n, const std::string& line) {
  std::size_t begin = 0;
  for (int i = 1; i < n; ++i) begin = records.find('\n', begin) + 1;
  std::size_t end = records.find('\n', begin) + 1;
  return records.replace(begin, end - begin, line + "\r\n");
}

TEST(LookupNayin, ExampleChartFromTheDeliveredTable) {
  // 海中金 at 子 (金 is born at 巳): 死; 爐中火 at 寅: 生; 大林木 at 辰 (木 born at 亥): 衰;
  // 石榴木 at 申: 絕.
  NayinChart c(kExample);
  LookupNayin(c.chart);
  std::vector<Shown> expected = {{79, 6, "金"}, {79, 7, "死"}, {72, 6, "火"}, {72, 7, "生"},
                                 {65, 6, "木"}, {65, 7, "衰"}, {58, 6, "木"}, {58, 7, "絕"}};
  EXPECT_EQ(ShownTexts(c.canvas), expected);
}

TEST(LookupNayin, FourthStageIsWrittenAsArriving) {
  // 劍鋒金 at 申, the fourth stage of 金; 大海水 at 亥, the fourth of 水; 大林木 己巳 at 巳: 病.
  NayinChart c({{{9, 9}, {10, 12}, {6, 6}, {9, 9}}});
  LookupNayin(c.chart);
  EXPECT_EQ(TextsAt(c.canvas, 79, 6), std::vector<std::string>{"金"});
  EXPECT_EQ(TextsAt(c.canvas, 79, 7), std::vector<std::string>{"臨"});
  EXPECT_EQ(TextsAt(c.canvas, 72, 6), std::vector<std::string>{"水"});
  EXPECT_EQ(TextsAt(c.canvas, 72, 7), std::vector<std::string>{"臨"});
  EXPECT_EQ(TextsAt(c.canvas, 65, 6), std::vector<std::string>{"木"});
  EXPECT_EQ(TextsAt(c.canvas, 65, 7), std::vector<std::string>{"病"});
}

TEST(NayinTable, DeliveredElementsFollowTheThirtyNames) {
  // 海中金 爐中火 大林木 路旁土 劍鋒金 山頭火 澗下水 城頭土 白蠟金 楊柳木 泉中水 屋上土 霹靂火
  // 松柏木 長流水 沙中金 山下火 平地木 壁上土 金箔金 覆燈火 天河水 大驛土 釵釧金 桑柘木 大溪水
  // 沙中土 天上火 石榴木 大海水: the last character of each, 1 木 .. 5 水.
  constexpr std::array<int, 30> kElements = {4, 2, 1, 3, 4, 2, 5, 3, 4, 1, 5, 3, 2, 1, 5,
                                             4, 2, 1, 3, 4, 2, 5, 3, 4, 1, 5, 3, 2, 1, 5};
  FieldReader reader = FieldReader::FromText(DeliveredRecords());
  for (int n = 1; n <= 60; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(reader.NextInt(), Cycle(n, 10));
    EXPECT_EQ(reader.NextInt(), Cycle(n, 12));
    EXPECT_EQ(reader.NextInt(), kElements[(n - 1) / 2]);
    int stage = reader.NextInt();
    EXPECT_GE(stage, 1);
    EXPECT_LE(stage, 12);
  }
  EXPECT_TRUE(reader.AtEnd());
}

TEST(LookupNayin, MissingPairLeavesOnlyThatPillarUnmarked) {
  TempProgramFolder folder("nayin_missing_pair");
  // 甲子 gone, a pair that is no pair of the cycle in its place.
  WriteNayinFile(folder.path(), WithRecord(DeliveredRecords(), 1, " 2, 1, 4, 8"));
  NayinChart c(kExample);
  LookupNayin(c.chart);
  EXPECT_TRUE(TextsAt(c.canvas, 79, 6).empty());
  EXPECT_TRUE(TextsAt(c.canvas, 79, 7).empty());
  EXPECT_EQ(ShownTexts(c.canvas).size(), 6u);
}

TEST(LookupNayin, ACodeOutsideTheTablesIsAFailureOfTheFileAndPrintsNothing) {
  TempProgramFolder folder("nayin_codes");
  // 甲子 with element 7; 丙寅 with stage 13; 戊辰 with stem 11.
  const std::pair<int, const char*> records[] = {{1, " 1, 1, 7, 8"}, {3, " 3, 3, 2, 13"},
                                                 {5, " 11, 5, 1, 5"}};
  for (const auto& [n, line] : records) {
    SCOPED_TRACE(line);
    WriteNayinFile(folder.path(), WithRecord(DeliveredRecords(), n, line));
    NayinChart c(kExample);
    try {
      LookupNayin(c.chart);
      ADD_FAILURE() << "no failure";
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.File(), (FailedFile{"納音.DAT", FailedFile::Access::Read}));
    }
    EXPECT_TRUE(c.canvas.Items().empty());
  }
}

TEST(LookupNayin, MissingOrShortTableFailsAfterTheEarlierSteps) {
  TempProgramFolder folder("nayin_missing");
  NayinChart c(kExample);
  ComputeDayMasterStrength(c.chart);
  ComputeNineImmortals(c.chart);
  std::size_t printed = c.canvas.Items().size();
  EXPECT_THROW(LookupNayin(c.chart), Failure);
  std::string records = DeliveredRecords();
  WriteNayinFile(folder.path(), records.substr(0, records.rfind(',')));  // 59 records and 3 fields
  EXPECT_THROW(LookupNayin(c.chart), Failure);
  EXPECT_EQ(c.canvas.Items().size(), printed);
  EXPECT_EQ(TextsAt(c.canvas, 27, 18), std::vector<std::string>{"九仙訣( 3 : 6 )"});
}

}  // namespace
}  // namespace qm::natal::test
