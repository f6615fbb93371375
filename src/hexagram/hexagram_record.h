#pragma once
// The hexagram record: one line of eleven fields, the divination time (RocYear, month, day,
// hour, minute as numbers) and the codes of lines 1..6, ended by CR LF:
// " 94, 5, 11, 15, 7,1,2,3,4,1,3".
#include <filesystem>
#include <optional>
#include <string_view>

#include "hexagram/divination_time.h"
#include "hexagram/hexagram_rules.h"

namespace qm::hexagram {

struct HexagramRecord {
  DivinationTime time;
  LineCodes lines;
  bool operator==(const HexagramRecord&) const = default;
};

inline constexpr std::string_view kDefaultRecordName = "NOW";

// Writes the record whole under the name in the program folder (an old file of that name is
// replaced). Throws qm::Failure when it cannot be written.
void WriteHexagramRecord(std::string_view name, const HexagramRecord& record);

// The record in a file's content, read as every record is read: its first eleven fields,
// separated by commas or line ends, blanks before a field skipped; five whole numbers, then the
// codes of lines 1..6. What follows the eleventh field is not read. A code other than "1".."4"
// comes back empty (a young yin line, as a code never set). No record when a time field is no
// whole number or there are fewer than eleven fields.
std::optional<HexagramRecord> ParseHexagramRecord(std::string_view content);
// Whether a file's content is a hexagram record as this program writes it: one line of exactly
// eleven fields, five whole numbers and six codes "1".."4" or empty. What a name check asks
// before a record may replace a file that already has the name; stricter than the reader, so
// that nothing but such a record is ever replaced.
bool IsHexagramRecordText(std::string_view content);

// The record of the named file; none when the file is missing or holds no record.
std::optional<HexagramRecord> ReadHexagramRecord(std::string_view name);

// A name under which a hexagram record may be written: a usable record name that is free or
// names a hexagram record, never a file of another kind (a birth record, a table, a program).
bool CanWriteHexagramRecordAs(std::string_view name);

}  // namespace qm::hexagram
