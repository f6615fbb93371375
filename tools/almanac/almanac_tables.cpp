#include "almanac_tables.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>

#include "base/names.h"
#include "base/number_text.h"
#include "base/record_file.h"
#include "civil_time.h"

namespace almanac {
namespace {

using Fields = std::vector<std::string>;

// A table of one value per RocYear and Gregorian month.
template <typename T>
using YearMonths = std::array<std::optional<T>, kYears * 12>;

void Add(Fields& fields, double value) { fields.push_back(qm::RecordNumber(value)); }

void Write(const std::filesystem::path& folder, const char* name, const std::string& text) {
  qm::WriteFileWhole(folder / name, text);
}

// The 節 or the 中氣 of each Gregorian month at China Standard Time.
YearMonths<CivilMoment> TermsByMonth(const std::vector<SolarTerm>& terms, bool jie) {
  YearMonths<CivilMoment> table;
  for (const SolarTerm& term : terms) {
    if (IsJie(term.degrees) != jie) continue;
    CivilMoment moment = CivilMomentOf(term.jdUt, kChinaStandardTime);
    int year = moment.date.year - kFirstYear;
    if (year < 0 || year >= kYears) continue;
    auto& slot = table[year * 12 + moment.date.month - 1];
    if (slot) throw std::runtime_error("two solar terms of one kind in one month");
    slot = moment;
  }
  for (const auto& slot : table)
    if (!slot) throw std::runtime_error("a month without its solar term");
  return table;
}

// One line per year: the day of each month's term, and with `withTime` its hour and minute.
std::string TermTable(const YearMonths<CivilMoment>& table, bool withTime) {
  std::string text;
  for (int year = 0; year < kYears; ++year) {
    Fields fields;
    for (int month = 0; month < 12; ++month) {
      const CivilMoment& moment = *table[year * 12 + month];
      if (withTime) {
        Add(fields, moment.hour);
        Add(fields, moment.minute);
      } else {
        Add(fields, moment.date.day);
      }
    }
    text += qm::RecordLine(fields);
  }
  return text;
}

std::string MonthRecord(const LunarMonth& month) {
  CivilDate first = DateOfDayNumber(month.firstDay);
  Fields fields;
  Add(fields, month.number);
  Add(fields, first.month);
  Add(fields, first.day);
  return qm::RecordLine(fields);
}

void WriteLunarTables(const std::vector<LunarMonth>& months, const std::filesystem::path& folder) {
  std::array<std::size_t, kYears + 1> newYears{};
  for (int k = 0; k <= kYears; ++k) newYears[k] = NewYearIndex(months, kFirstYear + k);
  if (newYears[0] == 0) throw std::runtime_error("no month before the New Year of 1912");
  std::string newYearText, countText, monthText = MonthRecord(months[newYears[0] - 1]);
  for (int k = 0; k < kYears; ++k) {
    CivilDate first = DateOfDayNumber(months[newYears[k]].firstDay);
    Fields fields;
    Add(fields, first.month);
    Add(fields, first.day);
    newYearText += qm::RecordLine(fields);
    countText += qm::RecordLine({qm::RecordNumber(double(newYears[k + 1] - newYears[k]))});
    for (std::size_t i = newYears[k]; i < newYears[k + 1]; ++i) monthText += MonthRecord(months[i]);
  }
  Write(folder, "NEWYEAR.DAT", newYearText);
  Write(folder, "MYEAR.DAT", countText);
  Write(folder, "MOONDAY.DAT", monthText);
}

// Pair n of the sixty cycle: stem (n - 1) Mod 10 + 1, branch (n - 1) Mod 12 + 1.
std::string SixtyCycleTable() {
  std::string text;
  for (int n = 1; n <= 60; ++n) text += qm::RecordLine({qm::RecordNumber(qm::Cycle(n, 10)),
                                                        qm::RecordNumber(qm::Cycle(n, 12))});
  return text;
}

// E of each RocYear: the cycle number of 31 December of the year before, 0 for 60. The day
// cycle runs on unbroken, so each E is the previous one plus the days of the year before.
std::string DayCycleOffsetTable() {
  constexpr int kFirstOffset = 12;  // 31 December 1911 is 乙亥, cycle number 12
  std::string text;
  int offset = kFirstOffset;
  for (int year = kFirstYear; year < kFirstYear + kYears; ++year) {
    text += qm::RecordLine({qm::RecordNumber(offset)});
    offset = (offset + (year % 4 == 0 ? 366 : 365)) % 60;
  }
  return text;
}

}  // namespace

void WriteAlmanacTables(const std::vector<SolarTerm>& terms,
                        const std::vector<LunarMonth>& months,
                        const std::filesystem::path& folder) {
  YearMonths<CivilMoment> jie = TermsByMonth(terms, true);
  Write(folder, "SEG.DAT", TermTable(jie, false));
  Write(folder, "BIG1.DAT", TermTable(jie, true));
  Write(folder, "MID_DAY.DAT", TermTable(TermsByMonth(terms, false), false));
  WriteLunarTables(months, folder);
  Write(folder, "SIXTY.DAT", SixtyCycleTable());
  Write(folder, "END_DAY.DAT", DayCycleOffsetTable());
}

}  // namespace almanac
