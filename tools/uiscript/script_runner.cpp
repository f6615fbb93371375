#include "script_runner.h"

#include <charconv>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "base/program_folder.h"
#include "ui/qt/window_image.h"
#include "window_dump.h"

namespace uiscript {
namespace {

// The first word of a text and the rest after one blank.
std::pair<std::string, std::string> SplitWord(const std::string& text) {
  std::size_t blank = text.find(' ');
  if (blank == std::string::npos) return {text, ""};
  return {text.substr(0, blank), text.substr(blank + 1)};
}

// A file's bytes with every CR written as \r.
std::string ShowingCr(const std::string& bytes) {
  std::string shown;
  for (char c : bytes) {
    if (c == '\r')
      shown += "\\r";
    else
      shown += c;
  }
  if (!shown.empty() && shown.back() != '\n') shown += '\n';
  return shown;
}

}  // namespace

ScriptRunner::ScriptRunner(ui::Program& program, ui::HeadlessPlatform& platform,
                           std::ostream& out)
    : program_(program), platform_(platform), out_(out) {
  platform_.onMessage = [this](const ui::HeadlessPlatform::Message& m) {
    out_ << "MSGBOX " << m.title << " | " << m.text << '\n';
  };
}

void ScriptRunner::Run(std::istream& script) {
  std::string line;
  while (std::getline(script, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    Command(line);
    out_.flush();
  }
}

void ScriptRunner::Command(const std::string& line) {
  auto [word, arg] = SplitWord(line);
  using Handler = void (ScriptRunner::*)(const std::string&);
  static const std::pair<const char*, Handler> kCommands[] = {
      {"folder", &ScriptRunner::Folder}, {"clock", &ScriptRunner::Clock},
      {"random", &ScriptRunner::Random}, {"set", &ScriptRunner::Set},
      {"click", &ScriptRunner::Click},   {"dump", &ScriptRunner::Dump},
      {"png", &ScriptRunner::Png},       {"pdf", &ScriptRunner::Pdf},
      {"cat", &ScriptRunner::Cat},       {"close", &ScriptRunner::Close},
  };
  for (const auto& [name, handler] : kCommands)
    if (word == name) return (this->*handler)(arg);
  Error("unknown command " + word);
}

void ScriptRunner::Error(const std::string& what) { out_ << "ERROR " << what << '\n'; }

ui::Window* ScriptRunner::WindowOf(const std::string& name) {
  if (!program_.windows.IsRegistered(name)) {
    Error("unknown window " + name);
    return nullptr;
  }
  return &program_.windows.Get(name);
}

ui::Window* ScriptRunner::Target(const std::string& target, std::string& control) {
  std::size_t dot = target.find('.');
  ui::Window* window = WindowOf(target.substr(0, dot));
  if (!window) return nullptr;
  control = dot == std::string::npos ? "" : target.substr(dot + 1);
  if (!window->Find(control)) {
    Error("unknown control " + target);
    return nullptr;
  }
  return window;
}

void ScriptRunner::Folder(const std::string& arg) {
  qm::SetProgramFolder(std::filesystem::absolute(std::filesystem::u8path(arg)));
}

void ScriptRunner::Clock(const std::string& arg) {
  auto [date, time] = SplitWord(arg);
  platform_.date = date;
  platform_.time = time;
}

// Only numbers a real generator gives, each in [0, 1): a word that is none refuses the whole
// command, and the numbers set before stay.
void ScriptRunner::Random(const std::string& arg) {
  std::istringstream words(arg);
  std::deque<double> numbers;
  for (std::string word; words >> word;) {
    double r = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), r);
    if (ec != std::errc() || end != word.data() + word.size() || !(r >= 0 && r < 1))
      return Error("random number outside [0, 1): " + word);
    numbers.push_back(r);
  }
  platform_.randoms = std::move(numbers);
}

void ScriptRunner::Set(const std::string& arg) {
  auto [target, text] = SplitWord(arg);
  std::string control;
  if (ui::Window* window = Target(target, control)) window->C(control).text = text;
}

void ScriptRunner::Click(const std::string& arg) {
  std::string control;
  ui::Window* window = Target(arg, control);
  if (!window) return;
  if (!program_.windows.IsVisible(*window)) return Error("window " + window->Name() + " is hidden");
  if (!window->C(control).visible) return Error("control " + arg + " is hidden");
  bool handled = true;
  program_.RunEvent([&] { handled = window->Click(control); });
  if (!handled) Error("no click on " + arg);
}

void ScriptRunner::Dump(const std::string& arg) {
  if (ui::Window* window = WindowOf(arg)) DumpWindow(program_, *window, out_);
}

// The title bar's close box of a shown window: the click of its close-box control, if any.
void ScriptRunner::Close(const std::string& arg) {
  ui::Window* window = WindowOf(arg);
  if (!window) return;
  if (!program_.windows.IsVisible(*window)) return Error("window " + window->Name() + " is hidden");
  if (window->closeBox.empty()) return;
  program_.RunEvent([&] { window->Click(window->closeBox); });
}

void ScriptRunner::Png(const std::string& arg) { Save(arg, "png", ui::qt::SaveWindowPng); }

void ScriptRunner::Pdf(const std::string& arg) { Save(arg, "pdf", ui::qt::SaveWindowPdf); }

void ScriptRunner::Save(const std::string& arg, const std::string& command, Saver save) {
  auto [name, file] = SplitWord(arg);
  ui::Window* window = WindowOf(name);
  if (!window) return;
  if (file.empty()) return Error(command + " needs a file name");
  if (!save(*window, std::filesystem::u8path(file))) Error("cannot write " + file);
}

void ScriptRunner::Cat(const std::string& arg) {
  // A folder opens as a stream on this system but fails on the first read: it is no file.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(qm::ProgramFile(arg), ec)) return Error("no file " + arg);
  std::ifstream in(qm::ProgramFile(arg), std::ios::binary);
  if (!in) return Error("no file " + arg);
  out_ << ShowingCr({std::istreambuf_iterator<char>(in), {}});
}

}  // namespace uiscript
