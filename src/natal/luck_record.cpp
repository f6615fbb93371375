#include "natal/luck_record.h"

#include "base/number_text.h"
#include "base/program_folder.h"
#include "base/record_file.h"
#include "base/roc_year.h"

namespace qm::natal {
namespace {

constexpr std::string_view kLuckRecordName = "BIGFOR";

// The three date fields: all empty (a chart from entered pillars) or a date of the tables.
std::optional<SolarDate> ReadLuckDate(FieldReader& fields) {
  std::array<std::string, 3> texts;
  for (std::string& text : texts) text = std::string(fields.Next());
  if (texts[0].empty() && texts[1].empty() && texts[2].empty()) return std::nullopt;
  FieldReader date = FieldReader::FromText(texts[0] + "," + texts[1] + "," + texts[2],
                                           std::string(kLuckRecordName));
  const int year = date.NextIntIn(kFirstRocYear, kLastRocYear);
  const int month = date.NextIntIn(1, 12);
  return SolarDate{year, month, date.NextIntIn(1, MonthLengths(year)[month])};
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
  record.dayStem = fields.NextIntIn(1, 10);
  // Any typed age is a start age, however far out; only a field that is no number ("inf") is a
  // broken record.
  record.luckStartAge = fields.NextNumber();
  // A chart of entered pillars may pair a stem and a branch of different polarity.
  auto nextPillar = [&fields] {
    const int stem = fields.NextIntIn(1, 10);
    return Pillar{stem, fields.NextIntIn(1, 12)};
  };
  record.month = nextPillar();
  for (Pillar& pillar : record.pillars) pillar = nextPillar();
  return record;
}

LuckRecord ReadLuckRecord() {
  FieldReader fields(ProgramFile(kLuckRecordName));
  return ParseLuckRecord(fields);
}

}  // namespace qm::natal
