#pragma once
// The start screen on the headless platform in a fresh copy of the program folder, with small stand-ins
// for the chart windows that record how they are opened.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>
#include <unistd.h>

#include "app/form1.h"
#include "base/program_folder.h"
#include "support/temp_folder.h"
#include "ui/headless_platform.h"
#include "ui/program.h"
#include "ui/window_protocol.h"

namespace qm::app::test {

namespace fs = std::filesystem;

// A chart window that only counts its load and activate steps; its load step takes the
// place of the start screen as every chart window's does.
class StandInWindow : public ui::Window {
 public:
  StandInWindow(ui::Program& program, std::string name) : ui::Window(program, std::move(name)) {
    ui::Control back;
    back.name = "cmd_return";
    back.kind = ui::ControlKind::Button;
    Add(back);
    OnClick("cmd_return", [this] { Return(); });
  }
  void Form_Load() override {
    ++loads;
    ui::ShowInPlaceOfStart(*this);
  }
  void Form_Activate() override { ++activations; }
  void Return() {
    ui::ReturnToStart(*this);
    // The hexagram window also clears the start screen's option.
    if (Name() == "Form8") program.windows.Get("form1").C("Option1").selected = false;
  }
  int loads = 0;
  int activations = 0;
};

// The start screen with a stand-in registered for every window it opens.
class StartScreenTest : public ::testing::Test {
 protected:
  StartScreenTest() : program(platform) {
    folder.CopyAllData();
    dataFiles = FileCount();
    program.windows.Register("form1", [](ui::Program& p) { return std::make_unique<Form1>(p); });
    for (const char* name : {"Form2", "Form3", "Form7", "FORM4", "Form6", "Form8"})
      program.windows.Register(
          name, [name](ui::Program& p) { return std::make_unique<StandInWindow>(p, name); });
    program.windows.Show(program.windows.Get("form1"));
    program.windows.Settle();
  }
  Form1& form() { return program.windows.Get<Form1>("form1"); }
  void Set(const std::string& control, const std::string& text) { form().C(control).text = text; }
  void Click(const std::string& control) { program.Click(form(), control); }
  StandInWindow* Opened(const std::string& name) {
    return dynamic_cast<StandInWindow*>(program.windows.Loaded(name));
  }
  bool StartShown() { return program.windows.IsVisible(form()); }

  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& m : platform.messages) texts.push_back(m.text);
    return texts;
  }
  void FillDate(const std::string& year, const std::string& month, const std::string& day,
                const std::string& hour, const std::string& minute) {
    Set("曆年", year);
    Set("曆月", month);
    Set("曆日", day);
    Set("曆時", hour);
    Set("曆分", minute);
  }
  void WriteFile(const std::string& name, const std::string& bytes) { folder.Write(name, bytes); }
  std::string ReadFile(const std::string& name) { return folder.Read(name); }
  // Files of the folder besides the data files.
  std::size_t RecordCount() { return FileCount() - dataFiles; }
  std::size_t FileCount() {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()));
  }

  qm::test::TempFolder folder{"form1"};
  std::size_t dataFiles = 0;
  ui::HeadlessPlatform platform;
  ui::Program program;
};

}  // namespace qm::app::test
