// The window manager and the window protocol on the headless platform: when activate steps
// run, printing with its hidden controls, failures of handlers, and the clock texts.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/failure.h"
#include "ui/clock_text.h"
#include "ui/headless_platform.h"
#include "ui/program.h"
#include "ui/window_protocol.h"

namespace ui {
namespace {

// A window that logs its steps into a shared list and has a few buttons.
class LoggingWindow : public Window {
 public:
  LoggingWindow(Program& program, std::string name, std::vector<std::string>& log)
      : Window(program, std::move(name)), log_(log) {
    for (const char* button : {"cmd_prt", "cmd_return", "Label1", "Command11", "cmd_fail"}) {
      Control c;
      c.name = button;
      c.kind = ControlKind::Button;
      Add(c);
    }
    OnClick("cmd_prt", [this] { PrintChartWindow(*this, {"cmd_prt", "cmd_return", "Command11"}); });
    OnClick("cmd_return", [this] { ReturnToStart(*this); });
    OnClick("cmd_fail", [] { throw qm::Failure("找不到檔案：SIXTY.DAT"); });
  }
  void Form_Load() override {
    log_.push_back(Name() + " load");
    ShowInPlaceOfStart(*this);
  }
  void Form_Activate() override { log_.push_back(Name() + " activate"); }

 private:
  std::vector<std::string>& log_;
};

class ProtocolTest : public ::testing::Test {
 protected:
  ProtocolTest() : program(platform) {
    for (const char* name : {"form1", "Form2", "Form3"})
      program.windows.Register(name, [this, name](Program& p) {
        return std::make_unique<LoggingWindow>(p, name, log);
      });
    program.windows.Show(program.windows.Get("form1"));
    program.windows.Settle();
    log.clear();
  }
  Window& Get(const char* name) { return program.windows.Get(name); }
  void Open(const char* name) {
    OpenChartWindow(program, name);
    program.windows.Settle();
  }

  std::vector<std::string> log;
  HeadlessPlatform platform;
  Program program;
};

TEST_F(ProtocolTest, OpeningAWindowLoadsItThenActivatesItOnce) {
  Open("Form2");
  EXPECT_EQ(log, (std::vector<std::string>{"Form2 load", "Form2 activate"}));
  EXPECT_FALSE(program.windows.IsVisible(Get("form1")));
  EXPECT_EQ(program.windows.Active(), &Get("Form2"));
}

TEST_F(ProtocolTest, ActivateRunsComingFromAnotherWindowNeverOnTheActiveOne) {
  Open("Form2");
  log.clear();
  // A message box closing gives the active window its activation back: nothing runs.
  program.MsgBox("訊息");
  program.windows.Activate(Get("Form2"));
  EXPECT_TRUE(log.empty());
  // Another shown window made active, then the first again: each runs once.
  program.windows.Show(Get("Form3"));
  program.windows.Activate(Get("Form3"));
  program.windows.Activate(Get("Form2"));
  program.windows.Activate(Get("Form2"));
  EXPECT_EQ(log, (std::vector<std::string>{"Form3 activate", "Form2 activate"}));
  // A hidden window cannot be made active.
  program.windows.Hide(Get("Form3"));
  log.clear();
  program.windows.Activate(Get("Form3"));
  EXPECT_TRUE(log.empty());
}

TEST_F(ProtocolTest, ReturnClosesTheWindowAndShowsTheStartScreenAsItWas) {
  Get("form1").C("Label1").text = "typed";
  Open("Form2");
  log.clear();
  program.Click(Get("Form2"), "cmd_return");
  EXPECT_EQ(program.windows.Loaded("Form2"), nullptr);
  EXPECT_TRUE(program.windows.IsVisible(Get("form1")));
  EXPECT_EQ(Get("form1").C("Label1").text, "typed");
  EXPECT_EQ(log, (std::vector<std::string>{"form1 load", "form1 activate"}));
}

TEST_F(ProtocolTest, PrintingHidesTheButtonsForThePrintAndShowsThemAgain) {
  Open("Form2");
  program.Click(Get("Form2"), "cmd_prt");
  ASSERT_EQ(platform.printJobs.size(), 1u);
  EXPECT_EQ(platform.printJobs[0].window, "Form2");
  EXPECT_EQ(platform.printJobs[0].visibleControls, (std::vector<std::string>{"Label1", "cmd_fail"}));
  for (const Control& c : Get("Form2").Controls()) EXPECT_TRUE(c.visible) << c.name;
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ProtocolTest, APrinterMissingOrFailingIsSaidAndTheButtonsComeBack) {
  Open("Form2");
  const std::pair<PrintResult, const char*> cases[] = {
      {PrintResult::NoPrinter, "找不到印表機，無法列印"},
      {PrintResult::Failed, "列印失敗，請檢查印表機"}};
  for (const auto& [result, message] : cases) {
    platform.messages.clear();
    platform.printResult = result;
    program.Click(Get("Form2"), "cmd_prt");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, message);
    for (const Control& c : Get("Form2").Controls()) EXPECT_TRUE(c.visible) << c.name;
  }
  EXPECT_TRUE(platform.printJobs.empty());
}

TEST_F(ProtocolTest, AFailureThatAHandlerLetsThroughIsSaidInAMessageBox) {
  Open("Form2");
  Window& chart = Get("Form2");
  program.RunEvent([&] { chart.Click("cmd_fail"); });
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "找不到檔案：SIXTY.DAT");
  EXPECT_EQ(platform.messages[0].title, Program::kTitle);
  EXPECT_TRUE(program.windows.IsVisible(chart));
}

TEST(FileFailureMessage, NamesTheFileThatCouldNotBeReadOrWritten) {
  EXPECT_EQ(FileFailureMessage(qm::Failure::Reading("SEG.DAT", "檔案內容不足")),
            "資料檔讀取錯誤：SEG.DAT");
  EXPECT_EQ(FileFailureMessage(qm::Failure::Writing("BIGFOR", "無法寫入檔案")),
            "無法寫入檔案：BIGFOR");
  EXPECT_EQ(FileFailureMessage(qm::Failure("天干超出範圍：0")), std::nullopt);
}

TEST_F(ProtocolTest, AStoppedDrawingKeepsWhatItDrewAndSaysOnlyAFileThatFailed) {
  Open("Form2");
  Window& chart = Get("Form2");
  auto drawingThatFails = [&chart](const qm::Failure& failure) {
    return [&chart, failure] {
      chart.canvas.PrintAt(1, 1, "drawn");
      throw failure;
    };
  };
  StopOnError(chart, drawingThatFails(qm::Failure::Reading("納音.DAT", "找不到檔案")));
  StopOnError(chart, drawingThatFails(qm::Failure("第二十一條關係")));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "資料檔讀取錯誤：納音.DAT");
  EXPECT_EQ(chart.canvas.Items().size(), 2u);
  EXPECT_TRUE(program.windows.IsVisible(chart));
}

TEST_F(ProtocolTest, AFailureOfAFileThatAHandlerLetsThroughIsSaidByItsFile) {
  Open("Form2");
  program.RunEvent([] { throw qm::Failure::Writing("fortune.PRN", "無法寫入檔案"); });
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "無法寫入檔案：fortune.PRN");
}

TEST_F(ProtocolTest, QuitClosesEveryWindow) {
  Open("Form2");
  program.windows.CloseAll();
  program.windows.Quit();
  program.windows.Settle();
  EXPECT_TRUE(program.windows.Shown().empty());
  EXPECT_EQ(program.windows.Active(), nullptr);
  EXPECT_EQ(program.windows.Loaded("Form2"), nullptr);
  EXPECT_TRUE(program.windows.QuitRequested());
}

TEST(ClockText, DateWithoutLeadingZerosAndTimeOnTheTwelveHourClock) {
  EXPECT_EQ(DateTextOf(2005, 5, 11), "2005/5/11");
  EXPECT_EQ(DateTextOf(2005, 12, 1), "2005/12/1");
  const std::tuple<int, int, int, const char*> times[] = {
      {15, 4, 5, "下午 03:04:05"}, {0, 30, 0, "上午 12:30:00"}, {12, 0, 0, "下午 12:00:00"},
      {11, 59, 59, "上午 11:59:59"}, {23, 9, 1, "下午 11:09:01"}};
  for (const auto& [h, m, s, text] : times) EXPECT_EQ(TimeTextOf(h, m, s), text) << h;
}

// An option raises its click when it becomes chosen; clicked while chosen, only an option made
// to be clicked again raises it again.
TEST(WindowClick, AnOptionRaisesItsClickWhenChosenAndAgainOnlyWhenMadeSo) {
  HeadlessPlatform platform;
  Program program(platform);
  class Options : public Window {
   public:
    explicit Options(Program& p) : Window(p, "Form9") {
      for (const char* name : {"Option1", "Option2"}) {
        Control c;
        c.name = name;
        c.kind = ControlKind::OptionButton;
        Add(c);
        OnClick(name, [this, name] { ++clicks[name]; });
      }
      C("Option2").clickWhenSelected = true;
    }
    std::map<std::string, int> clicks;
  } window(program);
  for (int k = 0; k < 3; ++k) {
    window.Click("Option1");
    window.Click("Option2");
  }
  EXPECT_EQ(window.clicks["Option1"], 1);
  EXPECT_EQ(window.clicks["Option2"], 3);
  EXPECT_TRUE(window.C("Option1").selected);
}

}  // namespace
}  // namespace ui
