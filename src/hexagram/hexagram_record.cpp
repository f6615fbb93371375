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

// The last character that is no blank and no line end is a comma: a field follows it, empty.
bool EndsInComma(std::string_view text) {
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  return last != std::string_view::npos && text[last] == ',';
}

// The first eleven fields of a text, taken as the field reader takes them (a comma or a line end
// between fields, blanks before a field skipped): five whole numbers, then six codes as they
// stand. None when a time field is no whole number or the text holds fewer fields. The reader
// is left after the eleventh field.
std::optional<HexagramRecord> FirstElevenFields(FieldReader& reader, std::string_view text) {
  HexagramRecord record;
  try {
    DivinationTime& t = record.time;
    for (int* field : {&t.year, &t.month, &t.day, &t.hour, &t.minute}) *field = reader.NextInt();
    for (int k = 0; k < 5; ++k) record.lines[k] = reader.Next();
    // A text ending in a comma closes on an empty last code.
    record.lines[5] = reader.AtEnd() && EndsInComma(text) ? "" : std::string(reader.Next());
  } catch (const Failure&) {
    return std::nullopt;
  }
  return record;
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
  FieldReader reader = FieldReader::FromText(std::string(content));
  std::optional<HexagramRecord> record = FirstElevenFields(reader, content);
  if (!record) return std::nullopt;
  // A code that is none of the four draws as a young yin line, as an empty one does; it is kept
  // as empty, so that a record saved from it again is a hexagram record.
  for (std::string& code : record->lines)
    if (!IsLineCode(code)) code.clear();
  return record;
}

bool IsHexagramRecordText(std::string_view content) {
  const std::optional<std::string_view> line = SingleLine(content);
  if (!line) return false;
  FieldReader reader = FieldReader::FromText(std::string(*line));
  const std::optional<HexagramRecord> record = FirstElevenFields(reader, *line);
  if (!record || !reader.AtEnd()) return false;
  for (const std::string& code : record->lines)
    if (!IsLineCode(code)) return false;
  return true;
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
