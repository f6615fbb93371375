#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace qm {

// One birth moment as the birth record holds it: the Gregorian date as a RocYear, the hour and
// minute, the SexCode ("M"/"F") and the special-luck flag ("Y"/"N"), both in upper case.
struct BirthRecord {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  std::string sex;
  std::string special;
};

// Why a record could not be read, for the start screen's message.
enum class BirthRecordProblem { None, Missing, Malformed };

// Reads the seven fields of a birth record. Throws qm::Failure when the file is missing, holds
// fewer than seven fields, a date field that is not a whole number, or a SexCode that is not
// M or F in either case. The sex and the flag come back in upper case.
BirthRecord ReadBirthRecord(const std::filesystem::path& file);

// The content of a file is a birth record: exactly the seven fields that ReadBirthRecord reads,
// and nothing after them.
bool IsBirthRecordText(std::string_view content);

// The reason ReadBirthRecord would fail on this file, or None.
BirthRecordProblem CheckBirthRecord(const std::filesystem::path& file);

}  // namespace qm
