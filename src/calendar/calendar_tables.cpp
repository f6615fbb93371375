#include "calendar/calendar_tables.h"

#include <cmath>
#include <string>

#include "base/failure.h"
#include "base/field_reader.h"
#include "base/program_folder.h"

namespace qm {
namespace {

FieldReader OpenTable(const char* name) { return FieldReader(ProgramFile(name)); }

std::size_t YearMonthIndex(int year, int month) {
  if (year < kFirstRocYear || year > kLastRocYear || month < 1 || month > 12)
    throw Failure("曆表沒有這個年月：" + std::to_string(year) + "年" + std::to_string(month) + "月");
  return static_cast<std::size_t>((year - kFirstRocYear) * 12 + month - 1);
}

// A table of one day of the month per RocYear and month.
YearMonthTable ReadYearMonthTable(const char* name) {
  FieldReader reader = OpenTable(name);
  YearMonthTable table;
  for (int& value : table.values) value = reader.NextIntIn(1, 31);
  return table;
}

// A table of one whole number from low to high per RocYear, index 1..120.
std::array<int, 121> ReadYearTable(const char* name, int low, int high) {
  FieldReader reader = OpenTable(name);
  std::array<int, 121> table{};
  for (int year = kFirstRocYear; year <= kLastRocYear; ++year)
    table[year] = reader.NextIntIn(low, high);
  return table;
}

MonthDay NextMonthDay(FieldReader& reader) {
  MonthDay monthDay;
  monthDay.month = reader.NextIntIn(1, 12);
  monthDay.day = reader.NextIntIn(1, 31);
  return monthDay;
}

// A lunar month number: 1 to 12, or a leap month n + 0.5.
double NextLunarMonth(FieldReader& reader) {
  const double month = reader.NextNumberIn(1, 12.5);
  if (month * 2 != std::floor(month * 2)) throw reader.Refusal("不是農曆月份");
  return month;
}

}  // namespace

int YearMonthTable::At(int year, int month) const { return values[YearMonthIndex(year, month)]; }

YearMonthTable ReadJieDayTable() { return ReadYearMonthTable("SEG.DAT"); }
YearMonthTable ReadZhongqiDayTable() { return ReadYearMonthTable("MID_DAY.DAT"); }

std::array<JieTime, 120 * 12> ReadJieTimeTable() {
  FieldReader reader = OpenTable("BIG1.DAT");
  std::array<JieTime, 120 * 12> table{};
  for (JieTime& time : table) {
    time.hour = reader.NextIntIn(0, 23);
    time.minute = reader.NextIntIn(0, 59);
  }
  return table;
}

JieTime JieTimeAt(const std::array<JieTime, 120 * 12>& table, int year, int month) {
  return table[YearMonthIndex(year, month)];
}

std::array<Pillar, 61> ReadSixtyCycleTable() {
  FieldReader reader = OpenTable("SIXTY.DAT");
  std::array<Pillar, 61> table{};
  for (int n = 1; n <= 60; ++n) table[n] = NextPillar(reader);
  return table;
}

std::array<int, 121> ReadDayCycleOffsetTable() { return ReadYearTable("END_DAY.DAT", 0, 59); }
std::array<int, 121> ReadLunarMonthCounts() { return ReadYearTable("MYEAR.DAT", 12, 13); }

std::array<MonthDay, 121> ReadNewYearTable() {
  FieldReader reader = OpenTable("NEWYEAR.DAT");
  std::array<MonthDay, 121> table{};
  for (int year = kFirstRocYear; year <= kLastRocYear; ++year) table[year] = NextMonthDay(reader);
  return table;
}

std::vector<LunarMonthRecord> ReadLunarMonthTable() {
  FieldReader reader = OpenTable("MOONDAY.DAT");
  std::vector<LunarMonthRecord> table;
  table.reserve(1500);
  while (!reader.AtEnd()) {
    LunarMonthRecord record;
    record.month = NextLunarMonth(reader);
    record.firstDay = NextMonthDay(reader);
    table.push_back(record);
  }
  return table;
}

}  // namespace qm
