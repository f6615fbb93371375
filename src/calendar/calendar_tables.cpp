#include "calendar/calendar_tables.h"

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

YearMonthTable ReadYearMonthTable(const char* name) {
  FieldReader reader = OpenTable(name);
  YearMonthTable table;
  for (int& value : table.values) value = reader.NextInt();
  return table;
}

// A table of one whole number per RocYear, index 1..120.
std::array<int, 121> ReadYearTable(const char* name) {
  FieldReader reader = OpenTable(name);
  std::array<int, 121> table{};
  for (int year = kFirstRocYear; year <= kLastRocYear; ++year) table[year] = reader.NextInt();
  return table;
}

MonthDay NextMonthDay(FieldReader& reader) {
  MonthDay monthDay;
  monthDay.month = reader.NextIntIn(1, 12);
  monthDay.day = reader.NextIntIn(1, 31);
  return monthDay;
}

}  // namespace

int YearMonthTable::At(int year, int month) const { return values[YearMonthIndex(year, month)]; }

YearMonthTable ReadJieDayTable() { return ReadYearMonthTable("SEG.DAT"); }
YearMonthTable ReadZhongqiDayTable() { return ReadYearMonthTable("MID_DAY.DAT"); }

std::array<JieTime, 120 * 12> ReadJieTimeTable() {
  FieldReader reader = OpenTable("BIG1.DAT");
  std::array<JieTime, 120 * 12> table{};
  for (JieTime& time : table) {
    time.hour = reader.NextInt();
    time.minute = reader.NextInt();
  }
  return table;
}

JieTime JieTimeAt(const std::array<JieTime, 120 * 12>& table, int year, int month) {
  return table[YearMonthIndex(year, month)];
}

std::array<Pillar, 61> ReadSixtyCycleTable() {
  FieldReader reader = OpenTable("SIXTY.DAT");
  std::array<Pillar, 61> table{};
  for (int n = 1; n <= 60; ++n) {
    table[n].stem = reader.NextIntIn(1, 10);
    table[n].branch = reader.NextIntIn(1, 12);
  }
  return table;
}

std::array<int, 121> ReadDayCycleOffsetTable() { return ReadYearTable("END_DAY.DAT"); }
std::array<int, 121> ReadLunarMonthCounts() { return ReadYearTable("MYEAR.DAT"); }

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
    record.month = reader.NextNumberIn(1, 12.5);  // 12.5: a leap month after the twelfth
    record.firstDay = NextMonthDay(reader);
    table.push_back(record);
  }
  return table;
}

}  // namespace qm
