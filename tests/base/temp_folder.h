#pragma once
// A fresh empty folder made the program folder for one test; removed, and the program folder
// given back to the build's, when the test ends.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "base/program_folder.h"

namespace qm::test {

class TempFolder {
 public:
  explicit TempFolder(const std::string& tag) {
    path_ = std::filesystem::temp_directory_path() /
            ("qm_" + tag + "_" + std::to_string(::getpid()) + "_" + std::to_string(counter_++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    SetProgramFolder(path_);
  }
  ~TempFolder() {
    SetProgramFolder(QM_PROGRAM_FOLDER);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const {
    return path_ / std::filesystem::u8path(name);
  }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(*this / name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(*this / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

 private:
  static inline int counter_ = 0;
  std::filesystem::path path_;
};

}  // namespace qm::test
