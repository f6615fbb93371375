#include "base/program_folder.h"

#include <array>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "base/ascii_case.h"

namespace qm {
namespace {

std::optional<std::filesystem::path>& Override() {
  static std::optional<std::filesystem::path> folder;
  return folder;
}

// Every file the program itself owns, whether it exists yet or not: its data tables, the luck
// record, the fortune listing and the two executables of the program folder.
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
  // A name of blanks alone is no name the user could see or type again.
  if (name.find_first_not_of(' ') == std::string_view::npos || name == "." || name == "..")
    return false;
  if (name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos)
    return false;
  std::string upper = AsciiUpper(name);
  for (std::string_view own : kOwnFiles)
    if (upper == AsciiUpper(own)) return false;
  return true;
}

bool CanWriteRecordAs(std::string_view name, const IsRecordOfKind& isRecordOfKind) {
  if (!IsUsableRecordName(name)) return false;
  const std::filesystem::path file = ProgramFile(name);
  std::error_code ec;
  const std::filesystem::file_status status = std::filesystem::symlink_status(file, ec);
  if (status.type() == std::filesystem::file_type::not_found) return true;
  if (ec || status.type() != std::filesystem::file_type::regular) return false;
  const std::uintmax_t size = std::filesystem::file_size(file, ec);
  if (ec || size > kLargestRecord) return false;
  std::ifstream in(file, std::ios::binary);
  std::string content{std::istreambuf_iterator<char>(in), {}};
  return in && isRecordOfKind(content);
}

}  // namespace qm
