#pragma once
// A chart window tested as the user reaches it: a program folder holding every data file, a
// headless program showing its start screen, and the window registered under its name, opened
// on a birth record the way buttons A, B and C open theirs.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/canvas_texts.h"
#include "support/temp_folder.h"
#include "ui/headless_platform.h"
#include "ui/program.h"

namespace qm::test {

// The start screen only as far as the window protocol needs it.
class BareStartScreen : public ui::Window {
 public:
  explicit BareStartScreen(ui::Program& program) : ui::Window(program, "form1") {}
};

template <class W, class StartScreen = BareStartScreen>
class ChartWindowTest : public ::testing::Test {
 protected:
  using Texts = std::vector<std::string>;

  ChartWindowTest(const std::string& tag, std::string window)
      : folder(tag), program(platform), window_(std::move(window)) {
    folder.CopyAllData();
    program.windows.Register("form1", [](ui::Program& p) { return std::make_unique<StartScreen>(p); });
    program.windows.Register(window_, [](ui::Program& p) { return std::make_unique<W>(p); });
    program.windows.Show(Start());
    program.windows.Settle();
  }

  ui::Window& Start() { return program.windows.Get("form1"); }
  bool StartShown() { return program.windows.IsVisible(Start()); }
  // A birth record of one line, as the start screen writes it.
  void WriteRecord(const std::string& name, const std::string& line) {
    folder.Write(name, line + "\r\n");
  }
  // What the buttons of the start screen do: name the record and load the window.
  void Open(const std::string& record = "rec") {
    program.start.f檔名 = record;
    program.windows.Get(window_).Form_Load();
    program.windows.Settle();
  }
  W* Window() const { return dynamic_cast<W*>(program.windows.Loaded(window_)); }
  bool IsShown() const { return Window() && program.windows.IsVisible(*Window()); }
  W& Shown() {
    W* form = Window();
    EXPECT_TRUE(form && program.windows.IsVisible(*form));
    return *form;
  }
  void Click(const std::string& control) { program.Click(Shown(), control); }
  Texts At(double x, double y) { return TextsAt(Shown().canvas, x, y); }

  TempFolder folder;
  ui::HeadlessPlatform platform;
  ui::Program program;

 private:
  std::string window_;
};

}  // namespace qm::test
