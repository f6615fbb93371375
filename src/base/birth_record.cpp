#include "base/birth_record.h"

#include "base/ascii_case.h"
#include "base/failure.h"
#include "base/field_reader.h"
#include "base/roc_year.h"

namespace qm {

namespace {

// The next field, one of two codes in either case, in upper case.
std::string NextCode(FieldReader& reader, std::string_view a, std::string_view b) {
  std::string code = AsciiUpper(reader.Next());
  if (code != a && code != b) throw reader.Refusal("出生資料檔的代碼有誤");
  return code;
}

BirthRecord ReadFields(FieldReader& reader) {
  BirthRecord record;
  record.year = reader.NextIntIn(kFirstRocYear, kLastRocYear);
  record.month = reader.NextIntIn(1, 12);
  record.day = reader.NextIntIn(1, MonthLengths(record.year)[record.month]);
  record.hour = reader.NextIntIn(0, 23);
  record.minute = reader.NextIntIn(0, 59);
  record.sex = NextCode(reader, "M", "F");
  record.special = NextCode(reader, "Y", "N");
  return record;
}

}  // namespace

BirthRecord ReadBirthRecord(const std::filesystem::path& file) {
  FieldReader reader(file);
  return ReadFields(reader);
}

bool IsBirthRecordText(std::string_view content) {
  FieldReader reader = FieldReader::FromText(std::string(content));
  try {
    ReadFields(reader);
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

std::string BirthRecordMessage(BirthRecordProblem problem, std::string_view name) {
  return (problem == BirthRecordProblem::Missing ? "找不到出生資料檔：" : "出生資料檔內容有誤：") +
         std::string(name);
}

}  // namespace qm
