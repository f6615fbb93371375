#include "base/birth_record.h"

#include "base/ascii_case.h"
#include "base/failure.h"
#include "base/field_reader.h"

namespace qm {

namespace {

BirthRecord ReadFields(FieldReader& reader, const std::string& name) {
  BirthRecord record;
  record.year = reader.NextInt();
  record.month = reader.NextInt();
  record.day = reader.NextInt();
  record.hour = reader.NextInt();
  record.minute = reader.NextInt();
  record.sex = AsciiUpper(reader.Next());
  record.special = AsciiUpper(reader.Next());
  if (record.sex != "M" && record.sex != "F")
    throw Failure("出生資料檔的性別有誤：" + name);
  return record;
}

}  // namespace

BirthRecord ReadBirthRecord(const std::filesystem::path& file) {
  FieldReader reader(file);
  return ReadFields(reader, file.filename().string());
}

bool IsBirthRecordText(std::string_view content) {
  FieldReader reader = FieldReader::FromText(std::string(content));
  try {
    ReadFields(reader, "text");
  } catch (const Failure&) {
    return false;
  }
  return reader.AtEnd();
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
