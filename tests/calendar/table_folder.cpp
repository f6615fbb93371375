#include "table_folder.h"

#include <fstream>
#include <random>
#include <sstream>

#include "base/program_folder.h"

namespace qm::test {

std::string ReadWhole(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TableFolder::TableFolder(bool copyTables) {
  std::random_device random;
  dir_ = std::filesystem::temp_directory_path() / ("qm_calendar_" + std::to_string(random()));
  std::filesystem::create_directories(dir_);
  if (copyTables)
    for (const char* name : kCalendarTables)
      std::filesystem::copy_file(std::filesystem::path(QM_TEST_DATA_DIR) / name, dir_ / name);
  SetProgramFolder(dir_);
}

TableFolder::~TableFolder() {
  SetProgramFolder(QM_PROGRAM_FOLDER);
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

void TableFolder::Write(const std::string& name, const std::string& text) const {
  std::ofstream(dir_ / name, std::ios::binary) << text;
}

std::string TableFolder::Read(const std::string& name) const { return ReadWhole(dir_ / name); }

}  // namespace qm::test
