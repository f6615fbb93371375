#include "base/program_folder.h"

#include <array>
#include <optional>
#include <string>

#include "base/ascii_case.h"

namespace qm {
namespace {

std::optional<std::filesystem::path>& Override() {
  static std::optional<std::filesystem::path> folder;
  return folder;
}

// Every file the program itself owns: its data tables, the luck record, the fortune listing
// and the executables.
constexpr std::array<std::string_view, 22> kOwnFiles = {
    "NEWYEAR.DAT", "MYEAR.DAT", "MOONDAY.DAT", "SEG.DAT",   "SIXTY.DAT",  "BIG1.DAT",
    "END_DAY.DAT", "MID_DAY.DAT", "地支藏干.DAT", "干週行支.DAT", "天干當令.DAT", "納音.DAT",
    "ONE120.DAT",  "PLACE.DAT",  "KING.DAT",  "火星.DAT",   "鈴星.DAT",    "ABCDE.DAT",
    "BIGFOR",      "fortune.PRN", "quillmere",  "uiscript"};

}  // namespace

const std::filesystem::path& ProgramFolder() {
  if (!Override()) {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    Override() = ec ? std::filesystem::current_path() : exe.parent_path();
  }
  return *Override();
}

void SetProgramFolder(const std::filesystem::path& folder) { Override() = folder; }

std::filesystem::path ProgramFile(std::string_view name) {
  return ProgramFolder() / std::filesystem::path(std::u8string(name.begin(), name.end()));
}

bool IsUsableRecordName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  if (name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos)
    return false;
  std::string upper = AsciiUpper(name);
  for (std::string_view own : kOwnFiles)
    if (upper == AsciiUpper(own)) return false;
  return true;
}

}  // namespace qm
