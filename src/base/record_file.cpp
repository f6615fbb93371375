#include "base/record_file.h"

#include <fstream>
#include <system_error>

#include "base/failure.h"

namespace qm {

std::string RecordLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    line += fields[i];
  }
  return line + "\r\n";
}

void WriteFileWhole(const std::filesystem::path& file, const std::string& text) {
  std::filesystem::path temp = file;
  temp += ".~tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (out) out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      throw Failure("無法寫入檔案：" + file.filename().string());
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, file, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    throw Failure("無法寫入檔案：" + file.filename().string());
  }
}

void WriteRecord(const std::filesystem::path& file, const std::vector<std::string>& fields) {
  WriteFileWhole(file, RecordLine(fields));
}

}  // namespace qm
