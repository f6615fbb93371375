#pragma once
// The luck record BIGFOR, which hands the luck pillars of the last chart drawn to the fortune
// curve: one line of 27 fields, the chart's working date (three empty fields for a chart drawn
// from entered pillars), the day stem, the luck start age, the month pillar and the ten luck
// pillars, stem then branch. Its layout lives here alone: every writer and the reader go
// through these functions.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/field_reader.h"
#include "base/pillar.h"
#include "calendar/calendar.h"

namespace qm::natal {

inline constexpr int kLuckPillarCount = 10;
using LuckPillars = std::array<Pillar, kLuckPillarCount>;

struct LuckRecord {
  std::optional<SolarDate> birth;  // none when the chart was drawn from entered pillars
  int dayStem = 0;
  double luckStartAge = 0;  // 7.41; 10 under the special luck start; a chosen age
  Pillar month;
  LuckPillars pillars{};
  bool operator==(const LuckRecord&) const = default;
};

// The fields as the record holds them: the date without a blank (or empty), every other
// number with the record number's leading blank: "73", "5", "12", " 3", " 8.16157407407407", ...
std::vector<std::string> LuckRecordFields(const LuckRecord& record);

// Writes BIGFOR of the program folder whole, replacing the record of the previous chart; the
// file is replaced only once it is complete, and a file that cannot be written throws a
// qm::Failure of writing BIGFOR.
void WriteBigFor(const LuckRecord& record);

// The record from its fields: the three date fields a date of the tables or all empty, a
// decimal start age, stems 1..10 and branches 1..12. A short record or any other value throws
// a qm::Failure of the reader's file; what follows the 27th field is not read.
LuckRecord ParseLuckRecord(FieldReader& fields);

// ParseLuckRecord of BIGFOR in the program folder; a missing file throws a qm::Failure of
// BIGFOR.
LuckRecord ReadLuckRecord();

}  // namespace qm::natal
