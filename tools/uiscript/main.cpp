// uiscript: runs a script of user actions against the program's windows without a screen and
// prints what they show. The script is the file named as the argument, or standard input.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <unistd.h>

#include "app/register_windows.h"
#include "base/program_folder.h"
#include "script_runner.h"
#include "ui/headless_platform.h"

namespace {

namespace fs = std::filesystem;

// A fresh copy of the data files, so that a script never changes the build's program folder.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device seed;
    path_ = fs::temp_directory_path() /
            ("uiscript_" + std::to_string(::getpid()) + "_" + std::to_string(seed()));
    fs::create_directories(path_);
    for (const auto& entry : fs::directory_iterator(QM_DATA_DIR))
      if (entry.is_regular_file()) fs::copy_file(entry.path(), path_ / entry.path().filename());
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: uiscript [SCRIPT]\n";
    return 2;
  }
  std::ifstream file;
  if (argc == 2) {
    file.open(argv[1]);
    if (!file) {
      std::cerr << "uiscript: cannot read " << argv[1] << "\n";
      return 2;
    }
  }
  ScratchFolder scratch;
  qm::SetProgramFolder(scratch.path());
  ui::HeadlessPlatform platform;
  ui::Program program(platform);
  uiscript::ScriptRunner runner(program, platform, std::cout);
  qm::app::StartProgram(program);
  runner.Run(argc == 2 ? static_cast<std::istream&>(file) : std::cin);
  return 0;
}
