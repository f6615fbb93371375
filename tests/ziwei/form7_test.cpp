// The combined chart window on the headless platform: opening on a record, later activations,
// the step buttons, printing, returning, a leap-month birth, drawings stopped by a table that
// is missing or names no cell, and a drawing that writes no file.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "natal/luck_start.h"
#include "support/chart_window_fixture.h"
#include "ui/window_protocol.h"
#include "ziwei/form7.h"
#include "ziwei_support.h"

namespace qm::ziwei::test {
namespace {

namespace fs = std::filesystem;

class Form7Test : public qm::test::ChartWindowTest<Form7> {
 protected:
  Form7Test() : ChartWindowTest("form7", "Form7") {}

  void WriteRecord(const std::string& line) { ChartWindowTest::WriteRecord("rec", line); }
  // A record of the Gregorian date of a lunar date.
  void WriteLunarRecord(int year, double month, int day, const std::string& time) {
    SolarDate date = *LunarToSolar(year, month, day);
    WriteRecord(" " + std::to_string(date.year) + ", " + std::to_string(date.month) + ", " +
                std::to_string(date.day) + "," + time + ",M,N");
  }
  Texts At(double x, double y) { return TextsNear(Shown().canvas, x, y); }
  std::string Header() {
    Texts line = At(4.5, 2);
    return line.empty() ? "" : line.front();
  }
  double HeaderSize() {
    for (const ui::DrawItem& item : Shown().canvas.Items())
      if (item.x1 == 4.5 && item.y1 == 2) return item.font.size;
    return 0;
  }
  // A drawing that ran to its end: the body palace marked, and last of all the natal centre's
  // last item, the nayin stage letter beside the hour column.
  bool DrawnToTheEnd() {
    const std::vector<ui::DrawItem>& items = Shown().canvas.Items();
    const bool marked = std::any_of(items.begin(), items.end(),
                                    [](const ui::DrawItem& item) { return item.text == "(身宮)"; });
    return marked && items.back().x1 == 38 && items.back().y1 == 13.5;
  }
  Texts AllTexts() {
    Texts texts;
    for (const ui::DrawItem& item : Shown().canvas.Items()) texts.push_back(item.text);
    return texts;
  }
  std::map<std::string, std::string> FolderFiles() {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder.path()))
      files[entry.path().filename().string()] = qm::test::ReadWhole(entry.path());
    return files;
  }
};

TEST_F(Form7Test, OpeningOnARecordDrawsTheWholeChartOnceAndWritesNoFile) {
  WriteRecord(" 73, 5, 12,8,30,M,N");
  folder.Write("BIGFOR", "73,5,12, 3\r\n");
  const auto before = FolderFiles();
  Open();
  Form7& form = Shown();
  EXPECT_FALSE(program.windows.IsVisible(program.windows.Get("form1")));
  EXPECT_EQ(form.caption, "Form7");
  EXPECT_EQ(form.canvas.GetScale(), (ui::Scale{0, 0, 83, 33.5}));
  EXPECT_EQ(form.readform1, 1);
  EXPECT_EQ((std::array{form.Yform1, form.Mform1, form.Dform1, form.Hform1, form.Iform1}),
            (std::array{form.Y初, form.M初, form.D初, form.H初, form.I初}));
  EXPECT_EQ(Header(), "(陽73/5/12 陰73/4/12 辰時)");
  EXPECT_EQ(HeaderSize(), 11.25);
  EXPECT_EQ(StarsShown(form.canvas, B("未")),
            (Texts{"紫微", "破軍", "左輔", "右弼", "天鉞", "天官", "天貴", "天空"}));
  EXPECT_EQ(At(43, 14.5), Texts{"丙"});
  EXPECT_TRUE(DrawnToTheEnd());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(FolderFiles(), before);
  // Made active again without a step, the window draws the identical chart.
  const Texts first = AllTexts();
  program.windows.Show(program.windows.Get("form1"));
  program.windows.Settle();
  program.windows.Activate(Shown());
  EXPECT_EQ(AllTexts(), first);
}

TEST_F(Form7Test, TheCentreFollowsTheStepsAndNoDrawingWritesBigFor) {
  WriteRecord(" 73, 5, 12,8,30,M,N");
  folder.Write("BIGFOR", "73,5,12, 3\r\n");
  const auto before = FolderFiles();
  Open();
  Click("Command14");
  // 丙午 day, one day on: 丁未.
  EXPECT_EQ(At(43, 14.5), Texts{"丁"});
  EXPECT_EQ(At(43, 15.5), Texts{"未"});
  EXPECT_TRUE(DrawnToTheEnd());
  Click("Command12");
  Click("Command11");
  EXPECT_EQ(FolderFiles(), before);
}

TEST_F(Form7Test, TheSpecialLuckFlagChangesNothingInTheCentre) {
  // 1984-05-05 20:00, a woman: her luck runs back to 立夏 of the same day, where the natal chart
  // would start it at ten under the special flag.
  ASSERT_TRUE(natal::FindLuckStart({73, 5, 5, 20, 0}, 1, "F", "Y").special);
  std::vector<Texts> drawn;
  for (const char* flag : {"Y", "N"}) {
    WriteRecord(std::string(" 73, 5, 5,20,0,F,") + flag);
    Open();
    drawn.push_back(AllTexts());
    // The first luck pillar starts at the age the distance gives, not at ten.
    EXPECT_EQ(At(58.8, 22), Texts{" 0"}) << flag;
    Click("cmd_return1");
  }
  EXPECT_EQ(drawn[0], drawn[1]);
  EXPECT_EQ(std::count(drawn[0].begin(), drawn[0].end(), "借十歲起運"), 0);
}

TEST_F(Form7Test, ARecordInLowerCaseIsTakenInUpperCase) {
  WriteRecord(" 73, 5, 12,8,30,m,n");
  Open();
  EXPECT_EQ(Shown().性別, "M");
  EXPECT_EQ(At(1, 2), Texts{"陽男"});
}

TEST_F(Form7Test, ARecordMissingOrTooShortIsSaidAndNoWindowStays) {
  const std::pair<const char*, const char*> cases[] = {
      {"nobody", "找不到出生資料檔：nobody"}, {"rec", "出生資料檔內容有誤：rec"}};
  WriteRecord(" 73, 5, 12,8");
  for (auto [name, message] : cases) {
    platform.messages.clear();
    Open(name);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, message);
    EXPECT_EQ(Window(), nullptr);
    EXPECT_TRUE(program.windows.IsVisible(program.windows.Get("form1")));
  }
}

TEST_F(Form7Test, StepButtonsMoveTheWorkingDateAndReturningForgetsIt) {
  struct Case {
    std::string record;
    std::vector<std::string> buttons;
    std::string header;
  };
  const Case cases[] = {
      {" 73, 3, 1,8,30,M,N", {"Command11"}, "(陽73/2/29 陰73/1/28 辰時)"},
      {" 73, 12, 31,8,30,M,N", {"Command14"}, "(陽74/1/1 陰73/11/11 辰時)"},
      {" 73, 5, 12,22,30,M,N", {"Command13"}, "(陽73/5/13 陰73/4/13 子時)"},
      {" 73, 5, 12,1,30,M,N", {"Command12"}, "(陽73/5/11 陰73/4/11 子時)"},
      {" 73, 5, 12,0,30,M,N", {"Command12"}, "(陽73/5/11 陰73/4/11 亥時)"},
  };
  for (const Case& c : cases) {
    WriteRecord(c.record);
    Open();
    for (const std::string& button : c.buttons) Click(button);
    EXPECT_EQ(Header(), c.header) << c.record;
    Click("cmd_return1");
    EXPECT_EQ(Window(), nullptr);
  }
  WriteRecord(" 73, 5, 12,8,30,M,N");
  Open();
  Click("Command14");
  Click("cmd_return1");
  Open();
  EXPECT_EQ(Header(), "(陽73/5/12 陰73/4/12 辰時)");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Form7Test, AStepOutOfTheCalendarYearsIsRefusedAndChangesNothing) {
  WriteRecord(" 120, 12, 31,23,30,M,N");
  Open();
  const Texts drawn = AllTexts();
  Click("Command13");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "超出曆表範圍（民國1年1月7日0時7分至民國120年12月7日16時2分）");
  EXPECT_EQ(Shown().Y初, 120);
  EXPECT_EQ(AllTexts(), drawn);
}

TEST_F(Form7Test, PrintingHidesTheButtonsAndTheDirectionLabelOnly) {
  WriteRecord(" 73, 5, 12,8,30,M,N");
  Open();
  const std::size_t drawn = Shown().canvas.Items().size();
  Click("cmd_prt");
  ASSERT_EQ(platform.printJobs.size(), 1u);
  EXPECT_EQ(platform.printJobs[0].visibleControls, Texts{"Label2"});
  EXPECT_EQ(platform.printJobs[0].drawnItems, drawn);
  for (const char* name :
       {"cmd_prt", "cmd_return1", "Command11", "Command12", "Command13", "Command14", "Label1"})
    EXPECT_TRUE(Shown().C(name).visible) << name;
  EXPECT_EQ(Shown().canvas.Items().size(), drawn);
}

TEST_F(Form7Test, ALeapMonthBirthIsDrawnWithItsMarkAndSplitAtTheFifteenth) {
  // 1984 has a leap tenth month: its 15th counts as month 10, its 16th as month 11.
  const std::pair<int, const char*> cases[] = {{15, "丑"}, {16, "寅"}};
  for (auto [day, zuoFu] : cases) {
    WriteLunarRecord(73, 10.5, day, "8,30");
    Open();
    EXPECT_EQ(Header(), "(陽73/" + std::to_string(Shown().M初) + "/" + std::to_string(Shown().D初) +
                            " 陰73/10/" + std::to_string(day) + " 辰時) 閏月");
    // Smaller, so that the longer line ends before the luck start line at x 28.
    EXPECT_EQ(HeaderSize(), 9.75);
    Texts inCell = StarsShown(Shown().canvas, B(zuoFu));
    EXPECT_NE(std::find(inCell.begin(), inCell.end(), "左輔"), inCell.end()) << day;
    EXPECT_TRUE(DrawnToTheEnd()) << day;
    Click("cmd_return1");
  }
}

TEST_F(Form7Test, ACellOfFifteenStarsLeavesTheLastOutAndTheDrawingGoesOnToTheCentre) {
  // Lunar 93/9/27 at the 申 hour puts fifteen stars into 寅.
  WriteLunarRecord(93, 9, 27, "15,0");
  Open();
  EXPECT_EQ(StarsShown(Shown().canvas, B("寅")).size(), 14u);
  EXPECT_TRUE(DrawnToTheEnd());
  EXPECT_TRUE(platform.messages.empty());
}

// Open file descriptors of this process, to see that a stopped drawing keeps none.
std::size_t OpenFiles() {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

TEST_F(Form7Test, ATableMissingOrNamingNoCellStopsTheDrawingWhereItIsReadAndIsNamed) {
  struct Case {
    std::string file;
    std::string content;     // empty: the file is removed
    std::string lastDrawn;   // the last text drawn before the table is read
  };
  const std::string king = folder.Read("KING.DAT");
  std::string badKing = king;
  badKing.replace(badKing.find(" 3,"), 3, " 13,");
  const Case cases[] = {
      {"PLACE.DAT", "", "陽男"},
      {"KING.DAT", "", "112-121"},
      {"KING.DAT", badKing, "112-121"},
      {"火星.DAT", "", "曲"},
      {"鈴星.DAT", "", "星"},
      {"ABCDE.DAT", "", "身主:火星"},
  };
  WriteRecord(" 73, 5, 12,8,30,M,N");
  for (const Case& c : cases) {
    const std::string saved = folder.Read(c.file);
    if (c.content.empty()) fs::remove(folder / c.file);
    else folder.Write(c.file, c.content);
    const std::size_t openBefore = OpenFiles();
    platform.messages.clear();
    Open();
    EXPECT_EQ(Shown().canvas.Items().back().text, c.lastDrawn) << c.file;
    ASSERT_EQ(platform.messages.size(), 1u) << c.file;
    EXPECT_EQ(platform.messages[0].text, "資料檔讀取錯誤：" + c.file);
    EXPECT_EQ(OpenFiles(), openBefore) << c.file;
    folder.Write(c.file, saved);
    Click("Command14");
    EXPECT_TRUE(DrawnToTheEnd()) << c.file;
    EXPECT_EQ(platform.messages.size(), 1u) << c.file;
    Click("cmd_return1");
  }
}

}  // namespace
}  // namespace qm::ziwei::test
