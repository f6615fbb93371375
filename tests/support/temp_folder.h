#pragma once
// A fresh folder made the program folder for one test, with copies of whichever data files the
// test needs; removed, and the program folder given back to the build's, when the test ends.
// Its name carries the process id, so tests running side by side never share a folder.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "base/program_folder.h"

namespace qm::test {

inline std::string ReadWhole(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class TempFolder {
 public:
  explicit TempFolder(const std::string& tag) : previous_(ProgramFolder()) {
    path_ = std::filesystem::temp_directory_path() /
            ("qm_" + tag + "_" + std::to_string(::getpid()) + "_" + std::to_string(counter_++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    SetProgramFolder(path_);
  }
  ~TempFolder() {
    SetProgramFolder(previous_);
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
  std::string Read(const std::string& name) const { return ReadWhole(*this / name); }

  // Copies one file of data/ into the folder.
  void CopyData(const std::string& name) const {
    std::filesystem::copy_file(std::filesystem::path(QM_TEST_DATA_DIR) / std::filesystem::u8path(name),
                               *this / name, std::filesystem::copy_options::overwrite_existing);
  }
  // Copies every file of data/ into the folder.
  void CopyAllData() const {
    for (const auto& entry : std::filesystem::directory_iterator(QM_TEST_DATA_DIR))
      std::filesystem::copy_file(entry.path(), path_ / entry.path().filename(),
                                 std::filesystem::copy_options::overwrite_existing);
  }

 private:
  static inline int counter_ = 0;
  std::filesystem::path path_;
  std::filesystem::path previous_;
};

}  // namespace qm::test
