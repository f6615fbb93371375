#include "natal/luck_record.h"

#include <cmath>

#include "base/failure.h"
#include "base/number_text.h"
#include "base/program_folder.h"
#include "base/record_file.h"
#include "natal/chart_rules.h"

namespace qm::natal {
namespace {

constexpr std::string_view kLuckRecordName = "BIGFOR";

// The three date fields: all empty (a chart from entered pillars) or all numbers.
std::optional<SolarDate> ReadLuckDate(FieldReader& fields) {
  std::array<std::string, 3> texts;
  for (std::string& text : texts) text = std::string(fields.Next());
  if (texts[0].empty() && texts[1].empty() && texts[2].empty()) return std::nullopt;
  SolarDate date;
  int* parts[] = {&date.year, &date.month, &date.day};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    FieldReader field = FieldReader::FromText(texts[i], std::string(kLuckRecordName));
    *parts[i] = field.NextInt();
  }
  return date;
}

}  // namespace

std::vector<std::string> LuckRecordFields(const LuckRecord& record) {
  std::vector<std::string> fields;
  if (record.birth)
    fields = {JoinNumber(record.birth->year), JoinNumber(record.birth->month),
              JoinNumber(record.birth->day)};
  else
    fields = {"", "", ""};
  fields.push_back(RecordNumber(record.dayStem));
  fields.push_back(RecordNumber(record.luckStartAge));
  fields.push_back(RecordNumber(record.month.stem));
  fields.push_back(RecordNumber(record.month.branch));
  for (const Pillar& pillar : record.pillars) {
    fields.push_back(RecordNumber(pillar.stem));
    fields.push_back(RecordNumber(pillar.branch));
  }
  return fields;
}

void WriteBigFor(const LuckRecord& record) {
  WriteRecord(ProgramFile(kLuckRecordName), LuckRecordFields(record));
}

LuckRecord ParseLuckRecord(FieldReader& fields) {
  LuckRecord record;
  record.birth = ReadLuckDate(fields);
  record.dayStem = CheckedStem(fields.NextInt());
  record.luckStartAge = fields.NextNumber();
  // Any typed age is a start age, however far out; only a field that is no number ("inf") is a
  // broken record.
  if (!std::isfinite(record.luckStartAge))
    throw Failure("起運歲數超出範圍：" + std::string(kLuckRecordName));
  record.month.stem = CheckedStem(fields.NextInt());
  record.month.branch = CheckedBranch(fields.NextInt());
  for (Pillar& pillar : record.pillars) {
    pillar.stem = CheckedStem(fields.NextInt());
    pillar.branch = CheckedBranch(fields.NextInt());
  }
  return record;
}

LuckRecord ReadLuckRecord() {
  FieldReader fields(ProgramFile(kLuckRecordName));
  return ParseLuckRecord(fields);
}

}  // namespace qm::natal
