// The natal chart window on the headless platform: opening on a record, the first drawing and
// later ones, the step buttons, printing, returning, and drawings stopped by a failure.
#include <gtest/gtest.h>

#include <filesystem>

#include "natal/form2.h"
#include "support/chart_window_fixture.h"
#include "ui/window_protocol.h"

namespace qm::natal::test {
namespace {

namespace fs = std::filesystem;

class Form2Test : public qm::test::ChartWindowTest<Form2> {
 protected:
  Form2Test() : ChartWindowTest("form2", "Form2") {}

  std::string SolarLine() {
    Texts line = At(32, 22);
    return line.empty() ? "" : line.front();
  }
};

TEST_F(Form2Test, OpeningOnARecordDrawsItsWholeChartOnce) {
  WriteRecord("rec", " 73, 5, 12,8,30,M,N");
  Open("rec");
  Form2& form = Shown();
  EXPECT_FALSE(program.windows.IsVisible(program.windows.Get("form1")));
  EXPECT_EQ(form.canvas.GetScale(), (ui::Scale{0, -0.5, 87, 26}));
  EXPECT_EQ(form.clientHeight, 8511);
  EXPECT_EQ(SolarLine(), "陽曆73/5/12 8:30生");
  EXPECT_EQ(At(32, 21), Texts{"男"});
  // 甲子 年, 己巳 月, 丙午 日, 壬辰 時.
  Texts pillars;
  for (double x : {77, 70, 63, 56})
    for (double y : {8, 9}) pillars.push_back(At(x, y).at(0));
  EXPECT_EQ(pillars, (Texts{"甲", "子", "己", "巳", "丙", "午", "壬", "辰"}));
  EXPECT_EQ(folder.Read("BIGFOR").substr(0, 12), "73,5,12, 3, ");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Form2Test, ARecordInLowerCaseIsTakenInUpperCase) {
  WriteRecord("rec", " 73, 5, 12,8,30,m,n");
  Open("rec");
  EXPECT_EQ(At(32, 21), Texts{"男"});
  EXPECT_EQ(Shown().性別, "M");
}

TEST_F(Form2Test, AMissingRecordIsSaidAndTheStartScreenComesBack) {
  Open("nobody");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "找不到出生資料檔：nobody");
  EXPECT_EQ(Window(), nullptr);
  EXPECT_TRUE(program.windows.IsVisible(program.windows.Get("form1")));
}

TEST_F(Form2Test, ARecordTooShortIsSaidAndNoWindowStays) {
  WriteRecord("short", " 73, 5, 12,8");
  Open("short");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "出生資料檔內容有誤：short");
  EXPECT_EQ(Window(), nullptr);
  EXPECT_TRUE(program.windows.IsVisible(program.windows.Get("form1")));
}

TEST_F(Form2Test, ARecordWithAFieldOutOfRangeIsSaidAndNoWindowStays) {
  for (const char* line : {" 73, 13, 12,8,30,M,N", " 0, 5, 12,8,30,M,N", " 121, 5, 12,8,30,M,N"}) {
    platform.messages.clear();
    WriteRecord("bad", line);
    Open("bad");
    ASSERT_EQ(platform.messages.size(), 1u) << line;
    EXPECT_EQ(platform.messages[0].text, "出生資料檔內容有誤：bad");
    EXPECT_EQ(Window(), nullptr);
    EXPECT_TRUE(program.windows.IsVisible(program.windows.Get("form1")));
  }
}

TEST_F(Form2Test, LaterActivationsKeepTheSteppedMomentAndReopeningStartsFromTheRecord) {
  WriteRecord("rec", " 73, 5, 12,8,30,F,N");
  Open("rec");
  Click("Command14");
  EXPECT_EQ(SolarLine(), "陽曆73/5/13 8:30生");
  // Another window over it, then back: the same stepped moment is drawn again.
  ui::Window& start = program.windows.Get("form1");
  program.windows.Show(start);
  program.windows.Settle();
  program.windows.Activate(Shown());
  EXPECT_EQ(SolarLine(), "陽曆73/5/13 8:30生");
  EXPECT_EQ(At(32, 21), Texts{"女"});
  Click("cmd_return1");
  EXPECT_EQ(Window(), nullptr);
  EXPECT_TRUE(program.windows.IsVisible(start));
  Open("rec");
  EXPECT_EQ(SolarLine(), "陽曆73/5/12 8:30生");
  EXPECT_EQ(folder.Read("rec"), " 73, 5, 12,8,30,F,N\r\n");
}

struct StepCase {
  std::string record;
  std::vector<std::string> buttons;
  std::string line;  // the Gregorian line drawn after the steps
};

TEST_F(Form2Test, StepButtonsAcrossMonthEndsLeapDaysYearEndsAndTheHourWrap) {
  const StepCase cases[] = {
      {" 73, 3, 1,8,30,M,N", {"Command11"}, "陽曆73/2/29 8:30生"},  // 1984 is a leap year
      {" 74, 3, 1,8,30,M,N", {"Command11"}, "陽曆74/2/28 8:30生"},
      {" 73, 2, 28,8,30,M,N", {"Command14"}, "陽曆73/2/29 8:30生"},
      {" 74, 2, 28,8,30,M,N", {"Command14"}, "陽曆74/3/1 8:30生"},
      {" 73, 2, 29,8,30,M,N", {"Command14"}, "陽曆73/3/1 8:30生"},
      {" 73, 1, 1,8,30,M,N", {"Command11"}, "陽曆72/12/31 8:30生"},
      {" 73, 12, 31,8,30,M,N", {"Command14"}, "陽曆74/1/1 8:30生"},
      {" 73, 4, 30,8,30,M,N", {"Command14"}, "陽曆73/5/1 8:30生"},
      {" 73, 5, 1,8,30,M,N", {"Command11"}, "陽曆73/4/30 8:30生"},
      {" 73, 5, 12,0,15,M,N", {"Command12"}, "陽曆73/5/11 22:15生"},
      {" 73, 5, 12,1,15,M,N", {"Command12"}, "陽曆73/5/11 23:15生"},
      {" 73, 5, 12,22,15,M,N", {"Command13"}, "陽曆73/5/13 0:15生"},
      {" 73, 5, 12,23,15,M,N", {"Command13"}, "陽曆73/5/13 1:15生"},
      {" 73, 5, 12,10,15,M,N", {"Command12"}, "陽曆73/5/12 8:15生"},
      {" 73, 1, 1,0,5,M,N", {"Command12"}, "陽曆72/12/31 22:5生"},
      {" 73, 12, 31,23,5,M,N", {"Command13"}, "陽曆74/1/1 1:5生"},
      {" 73, 2, 28,20,0,M,N", {"Command13", "Command13", "Command14"}, "陽曆73/3/1 0:0生"},
  };
  for (const StepCase& c : cases) {
    WriteRecord("rec", c.record);
    Open("rec");
    for (const std::string& button : c.buttons) Click(button);
    EXPECT_EQ(SolarLine(), c.line) << c.record;
    Click("cmd_return1");
  }
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Form2Test, AStepOutOfTheCalendarYearsIsRefusedAndChangesNothing) {
  const StepCase cases[] = {
      {" 1, 1, 1,8,30,M,N", {"Command11"}, ""},
      {" 1, 1, 1,0,30,M,N", {"Command12"}, ""},
      {" 120, 12, 31,8,30,M,N", {"Command14"}, ""},
      {" 120, 12, 31,23,30,M,N", {"Command13"}, ""},
  };
  for (const StepCase& c : cases) {
    WriteRecord("rec", c.record);
    Open("rec");
    Form2& form = Shown();
    std::array<int, 5> before = {form.Y初, form.M初, form.D初, form.H初, form.I初};
    platform.messages.clear();
    Click(c.buttons[0]);
    ASSERT_EQ(platform.messages.size(), 1u) << c.record;
    EXPECT_EQ(platform.messages[0].text, "超出曆表範圍（民國1年1月7日0時7分至民國120年12月7日16時2分）");
    EXPECT_EQ((std::array<int, 5>{form.Y初, form.M初, form.D初, form.H初, form.I初}), before);
    EXPECT_EQ((std::array<int, 4>{form.Yform1, form.Mform1, form.Dform1, form.Hform1}),
              (std::array<int, 4>{before[0], before[1], before[2], before[3]}));
    Click("cmd_return1");
  }
}

// The tables draw whole charts from 7 January 1912 00:07 (their first 小寒) up to 7 December
// 2031 16:02 (their last 大雪): a step onto the edge's inner side draws the whole chart, a step
// over it is refused.
TEST_F(Form2Test, AStepToTheEdgeOfTheTablesDrawsAndAStepPastItIsRefused) {
  struct EdgeCase {
    std::string record, button, line;  // line: the solar line after the step, "" if refused
  };
  const EdgeCase cases[] = {
      {" 1, 1, 8,0,7,M,N", "Command11", "陽曆1/1/7 0:7生"},
      {" 1, 1, 7,2,7,F,N", "Command12", "陽曆1/1/7 0:7生"},
      {" 120, 12, 6,16,1,M,N", "Command14", "陽曆120/12/7 16:1生"},
      {" 120, 12, 7,14,1,F,N", "Command13", "陽曆120/12/7 16:1生"},
      {" 1, 1, 8,0,6,M,N", "Command11", ""},
      {" 1, 1, 7,2,6,F,N", "Command12", ""},
      {" 120, 12, 6,16,2,M,N", "Command14", ""},
      {" 120, 12, 7,14,2,F,N", "Command13", ""},
      {" 120, 12, 7,8,30,M,N", "Command14", ""},
  };
  for (const EdgeCase& c : cases) {
    WriteRecord("rec", c.record);
    Open("rec");
    const std::string before = SolarLine();
    platform.messages.clear();
    Click(c.button);
    if (c.line.empty()) {
      ASSERT_EQ(platform.messages.size(), 1u) << c.record;
      EXPECT_EQ(platform.messages[0].text,
                "超出曆表範圍（民國1年1月7日0時7分至民國120年12月7日16時2分）");
      EXPECT_EQ(SolarLine(), before) << c.record;
    } else {
      EXPECT_TRUE(platform.messages.empty()) << c.record;
      EXPECT_EQ(SolarLine(), c.line) << c.record;
      EXPECT_EQ(At(3, 24).size(), 1u) << c.record;  // the conception pillar, near the last item
    }
    Click("cmd_return1");
  }
}

TEST_F(Form2Test, PrintingHidesTheButtonsAndTheDirectionLabelOnly) {
  WriteRecord("rec", " 73, 5, 12,8,30,M,N");
  Open("rec");
  std::size_t drawn = Shown().canvas.Items().size();
  Click("cmd_prt");
  ASSERT_EQ(platform.printJobs.size(), 1u);
  EXPECT_EQ(platform.printJobs[0].visibleControls, Texts{"Label2"});
  EXPECT_EQ(platform.printJobs[0].drawnItems, drawn);
  for (const char* name :
       {"cmd_prt", "cmd_return1", "Command11", "Command12", "Command13", "Command14", "Label1"})
    EXPECT_TRUE(Shown().C(name).visible) << name;
}

// Open file descriptors of this process, to see that a stopped drawing keeps none.
std::size_t OpenFiles() {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

TEST_F(Form2Test, WithoutTheNayinTableTheChartStopsAfterTheNineImmortalsAndSaysWhichFile) {
  fs::remove(folder.path() / "納音.DAT");
  WriteRecord("rec", " 73, 5, 12,8,30,M,N");
  std::size_t openBefore = OpenFiles();
  Open("rec");
  const auto& items = Shown().canvas.Items();
  ASSERT_FALSE(items.empty());
  EXPECT_EQ(items.back().text.rfind("九仙訣(", 0), 0u) << items.back().text;
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "資料檔讀取錯誤：納音.DAT");
  EXPECT_EQ(OpenFiles(), openBefore);
  // Nothing of the relation list (x = 43) or of the star grid (rows 20 to 24 under the
  // pillars) is drawn.
  for (const auto& item : items) {
    EXPECT_NE(item.x1, 43) << item.text;
    EXPECT_FALSE(item.x1 >= 54 && item.y1 >= 19) << item.text;
  }
}

TEST_F(Form2Test, AStoppedDrawingLeavesTheWindowUsableAndTheNextDrawingWhole) {
  fs::rename(folder.path() / "天干當令.DAT", folder.path() / "saved");
  WriteRecord("rec", " 73, 5, 12,8,30,M,N");
  Open("rec");
  // Drawn up to the twelve stages: the season label is the last item.
  EXPECT_EQ(Shown().canvas.Items().back().text, " (夏炎)");
  EXPECT_TRUE(At(22, 15).empty());
  fs::rename(folder.path() / "saved", folder.path() / "天干當令.DAT");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "資料檔讀取錯誤：天干當令.DAT");
  Click("Command14");
  EXPECT_EQ(SolarLine(), "陽曆73/5/13 8:30生");
  EXPECT_FALSE(At(22, 15).empty());
  EXPECT_EQ(platform.messages.size(), 1u);
}

}  // namespace
}  // namespace qm::natal::test
