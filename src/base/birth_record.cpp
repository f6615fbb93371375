#include "base/birth_record.h"

#include "base/ascii_case.h"
#include "base/failure.h"
#include "base/field_reader.h"

namespace qm {

BirthRecord ReadBirthRecord(const std::filesystem::path& file) {
  FieldReader reader(file);
  BirthRecord record;
  record.year = reader.NextInt();
  record.month = reader.NextInt();
  record.day = reader.NextInt();
  record.hour = reader.NextInt();
  record.minute = reader.NextInt();
  record.sex = AsciiUpper(reader.Next());
  record.special = AsciiUpper(reader.Next());
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
