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

// Reads the seven fields of a birth record and checks each as the start screen checks its entry:
// RocYear 1..120, month 1..12, a day within the month, hour 0..23, minute 0..59, SexCode M or F
// and flag Y or N in either case. Throws qm::Failure when the file is missing, holds fewer than
// seven fields, or any field is out of these ranges. The sex and the flag come back in upper case.
BirthRecord ReadBirthRecord(const std::filesystem::path& file);

// The content of a file is a birth record: exactly the seven fields that ReadBirthRecord reads,
// and nothing after them.
bool IsBirthRecordText(std::string_view content);

// The reason ReadBirthRecord would fail on this file, or None.
BirthRecordProblem CheckBirthRecord(const std::filesystem::path& file);

// What a window says of a record it cannot read: "找不到出生資料檔：" or "出生資料檔內容有誤："
// followed by the record's name.
std::string BirthRecordMessage(BirthRecordProblem problem, std::string_view name);

}  // namespace qm
