#include "base/birth_record.h"

#include "base/ascii_case.h"
#include "base/failure.h"
#include "base/field_reader.h"
#include "base/roc_year.h"

namespace qm {

namespace {

// The next field, a whole number from low to high.
int NextIn(FieldReader& reader, int low, int high, const std::filesystem::path& file) {
  int value = reader.NextInt();
  if (value < low || value > high) throw Failure("出生資料檔的欄位超出範圍：" + file.filename().string());
  return value;
}

// The next field, one of two codes in either case, in upper case.
std::string NextCode(FieldReader& reader, std::string_view a, std::string_view b,
                     const std::filesystem::path& file) {
  std::string code = AsciiUpper(reader.Next());
  if (code != a && code != b) throw Failure("出生資料檔的代碼有誤：" + file.filename().string());
  return code;
}

BirthRecord ReadFields(FieldReader& reader, const std::filesystem::path& file) {
  BirthRecord record;
  record.year = NextIn(reader, kFirstRocYear, kLastRocYear, file);
  record.month = NextIn(reader, 1, 12, file);
  record.day = NextIn(reader, 1, MonthLengths(record.year)[record.month], file);
  record.hour = NextIn(reader, 0, 23, file);
  record.minute = NextIn(reader, 0, 59, file);
  record.sex = NextCode(reader, "M", "F", file);
  record.special = NextCode(reader, "Y", "N", file);
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

std::string BirthRecordMessage(BirthRecordProblem problem, std::string_view name) {
  return (problem == BirthRecordProblem::Missing ? "找不到出生資料檔：" : "出生資料檔內容有誤：") +
         std::string(name);
}

}  // namespace qm
