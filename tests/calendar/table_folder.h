#pragma once
// A temporary program folder holding copies of the eight calendar tables, for tests that change
// or remove a table; the program folder returns to the build's when it goes.
#include <filesystem>
#include <string>

namespace qm::test {

inline constexpr const char* kCalendarTables[] = {
    "NEWYEAR.DAT", "MYEAR.DAT", "MOONDAY.DAT", "SEG.DAT",
    "BIG1.DAT",    "MID_DAY.DAT", "SIXTY.DAT", "END_DAY.DAT"};

std::string ReadWhole(const std::filesystem::path& file);

class TableFolder {
 public:
  // With `copyTables` false the folder starts empty.
  explicit TableFolder(bool copyTables = true);
  ~TableFolder();
  TableFolder(const TableFolder&) = delete;
  TableFolder& operator=(const TableFolder&) = delete;

  const std::filesystem::path& path() const { return dir_; }
  void Write(const std::string& name, const std::string& text) const;
  std::string Read(const std::string& name) const;

 private:
  std::filesystem::path dir_;
};

}  // namespace qm::test
