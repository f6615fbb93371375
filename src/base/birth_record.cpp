#include "base/birth_record.h"

#include "base/failure.h"
#include "base/field_reader.h"

namespace qm {
namespace {

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

}  // namespace

BirthRecord ReadBirthRecord(const std::filesystem::path& file) {
  FieldReader reader(file);
  BirthRecord record;
  record.year = reader.NextInt();
  record.month = reader.NextInt();
  record.day = reader.NextInt();
  record.hour = reader.NextInt();
  record.minute = reader.NextInt();
  record.sex = Upper(reader.Next());
  record.special = Upper(reader.Next());
  if (record.sex != "M" && record.sex != "F")
    throw Failure("出生資料檔的性別有誤：" + file.filename().string());
  return record;
}

BirthRecordProblem CheckBirthRecord(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return BirthRecordProblem::Missing;
  try {
    ReadBirthRecord(file);
  } catch (const Failure&) {
    return BirthRecordProblem::Malformed;
  }
  return BirthRecordProblem::None;
}

}  // namespace qm
