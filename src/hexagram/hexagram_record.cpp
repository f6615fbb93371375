#include "hexagram/hexagram_record.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/failure.h"
#include "base/field_reader.h"
#include "base/number_text.h"
#include "base/program_folder.h"
#include "base/record_file.h"

namespace qm::hexagram {
namespace {

bool IsLineCode(std::string_view code) {
  return code.empty() || (code.size() == 1 && code[0] >= '1' && code[0] <= '4');
}

// The content without its one closing line end; none when it holds more than one line.
std::optional<std::string_view> SingleLine(std::string_view content) {
  if (content.ends_with("\r\n")) content.remove_suffix(2);
  else if (content.ends_with("\n")) content.remove_suffix(1);
  if (content.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
  return content;
}

}  // namespace

void WriteHexagramRecord(std::string_view name, const HexagramRecord& record) {
  const DivinationTime& t = record.time;
  std::vector<std::string> fields = {RecordNumber(t.year), RecordNumber(t.month),
                                     RecordNumber(t.day), RecordNumber(t.hour),
                                     RecordNumber(t.minute)};
  fields.insert(fields.end(), record.lines.begin(), record.lines.end());
  WriteRecord(ProgramFile(name), fields);
}

std::optional<HexagramRecord> ParseHexagramRecord(std::string_view content) {
  const std::optional<std::string_view> line = SingleLine(content);
  if (!line) return std::nullopt;
  FieldReader reader = FieldReader::FromText(std::string(*line));
  HexagramRecord record;
  try {
    DivinationTime& t = record.time;
    for (int* field : {&t.year, &t.month, &t.day, &t.hour, &t.minute}) *field = reader.NextInt();
    for (int k = 0; k < 5; ++k) record.lines[k] = reader.Next();
    // A line ending in a comma closes on an empty last code.
    record.lines[5] = line->ends_with(',') ? "" : std::string(reader.Next());
  } catch (const Failure&) {
    return std::nullopt;
  }
  if (!reader.AtEnd()) return std::nullopt;
  for (const std::string& code : record.lines)
    if (!IsLineCode(code)) return std::nullopt;
  return record;
}

bool IsHexagramRecordText(std::string_view content) {
  return ParseHexagramRecord(content).has_value();
}

std::optional<HexagramRecord> ReadHexagramRecord(std::string_view name) {
  std::ifstream in(ProgramFile(name), std::ios::binary);
  if (!in) return std::nullopt;
  const std::string content{std::istreambuf_iterator<char>(in), {}};
  return ParseHexagramRecord(content);
}

bool CanWriteHexagramRecordAs(std::string_view name) {
  return CanWriteRecordAs(name, IsHexagramRecordText);
}

}  // namespace qm::hexagram
