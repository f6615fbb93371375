#pragma once
#include <filesystem>
#include <istream>
#include <ostream>
#include <string>

#include "ui/headless_platform.h"
#include "ui/program.h"

namespace uiscript {

// Carries out a script of user actions against the windows on the headless platform, one
// command a line, and prints what the windows show. A command that cannot be carried out prints
// "ERROR <what>" and the script goes on.
class ScriptRunner {
 public:
  ScriptRunner(ui::Program& program, ui::HeadlessPlatform& platform, std::ostream& out);
  void Run(std::istream& script);
  void Command(const std::string& line);

 private:
  // "form1.Command2" as its window (loaded when needed) and control name; nullptr and an ERROR
  // line when the window is unknown.
  ui::Window* WindowOf(const std::string& name);
  ui::Window* Target(const std::string& target, std::string& control);
  void Error(const std::string& what);

  void Folder(const std::string& arg);
  void Clock(const std::string& arg);
  void Random(const std::string& arg);
  void Set(const std::string& arg);
  void Click(const std::string& arg);
  void Dump(const std::string& arg);
  void Close(const std::string& arg);
  void Png(const std::string& arg);
  void Pdf(const std::string& arg);
  // "WINDOW FILE" written by the saver; the command's name for its ERROR line.
  using Saver = bool (*)(const ui::Window&, const std::filesystem::path&);
  void Save(const std::string& arg, const std::string& command, Saver save);
  void Cat(const std::string& arg);

  ui::Program& program_;
  ui::HeadlessPlatform& platform_;
  std::ostream& out_;
};

}  // namespace uiscript
