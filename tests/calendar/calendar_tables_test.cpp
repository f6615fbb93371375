// The readers of the calendar tables: a missing table, a table one value short and a value that
// is not a number are failures, and the file is released after each.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/failure.h"
#include "calendar/calendar.h"
#include "calendar/calendar_tables.h"
#include "table_folder.h"

namespace qm {
namespace {

using test::TableFolder;

struct ReaderCase {
  const char* table;
  std::function<void()> read;
};

const ReaderCase kReaders[] = {
    {"NEWYEAR.DAT", [] { ReadNewYearTable(); }},
    {"MYEAR.DAT", [] { ReadLunarMonthCounts(); }},
    {"MOONDAY.DAT", [] { ReadLunarMonthTable(); }},
    {"SEG.DAT", [] { ReadJieDayTable(); }},
    {"BIG1.DAT", [] { ReadJieTimeTable(); }},
    {"MID_DAY.DAT", [] { ReadZhongqiDayTable(); }},
    {"SIXTY.DAT", [] { ReadSixtyCycleTable(); }},
    {"END_DAY.DAT", [] { ReadDayCycleOffsetTable(); }},
};

// Whether this process holds the file open.
bool IsOpen(const std::filesystem::path& file) {
  for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code ec;
    auto target = std::filesystem::read_symlink(fd.path(), ec);
    if (!ec && target == file) return true;
  }
  return false;
}

void ExpectFailureAndRelease(const TableFolder& folder, const ReaderCase& reader) {
  EXPECT_THROW(reader.read(), Failure);
  EXPECT_FALSE(IsOpen(folder.path() / reader.table));
}

TEST(CalendarTables, EveryReaderReadsTheRealTable) {
  for (const ReaderCase& reader : kReaders) EXPECT_NO_THROW(reader.read()) << reader.table;
}

TEST(CalendarTables, MissingTable) {
  for (const ReaderCase& reader : kReaders) {
    SCOPED_TRACE(reader.table);
    TableFolder folder;
    std::filesystem::remove(folder.path() / reader.table);
    EXPECT_THROW(reader.read(), Failure);
  }
}

TEST(CalendarTables, TableOneValueShort) {
  for (const ReaderCase& reader : kReaders) {
    SCOPED_TRACE(reader.table);
    TableFolder folder;
    const std::string text = folder.Read(reader.table);
    // Cut at the separator before the last value.
    const std::size_t cut = text.find_last_of(",\n", text.size() - 3);
    folder.Write(reader.table, text[cut] == '\n' ? text.substr(0, cut + 1)
                                                  : text.substr(0, cut) + "\r\n");
    ExpectFailureAndRelease(folder, reader);
  }
}

TEST(CalendarTables, ValueThatIsNotANumber) {
  for (const ReaderCase& reader : kReaders) {
    SCOPED_TRACE(reader.table);
    TableFolder folder;
    folder.Write(reader.table, " x" + folder.Read(reader.table).substr(2));
    ExpectFailureAndRelease(folder, reader);
    // Once the table is whole again the next call reads it.
    std::filesystem::copy_file(std::filesystem::path(QM_TEST_DATA_DIR) / reader.table,
                               folder.path() / reader.table,
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_NO_THROW(reader.read());
  }
}

// The reader of a table by its name.
const ReaderCase& ReaderOf(std::string_view table) {
  for (const ReaderCase& reader : kReaders)
    if (reader.table == table) return reader;
  throw std::invalid_argument(std::string(table));
}

// A value that no stem, branch, month or day can be would send a drawing past the end of its
// tables; the reader refuses it as it refuses a value that is not a number.
TEST(CalendarTables, ValueOutsideWhatItsFieldCanBe) {
  const struct {
    const char* table;
    const char* firstLine;
  } cases[] = {
      {"SIXTY.DAT", " 0, 1"},         {"SIXTY.DAT", " 11, 1"},       {"SIXTY.DAT", " 1, 0"},
      {"SIXTY.DAT", " 1, 13"},        {"MOONDAY.DAT", " 0, 1, 19"},  {"MOONDAY.DAT", " 13, 1, 19"},
      {"MOONDAY.DAT", " 12, 0, 19"},  {"MOONDAY.DAT", " 12, -1, 19"}, {"MOONDAY.DAT", " 12, 13, 19"},
      {"MOONDAY.DAT", " 12, 1, 0"},   {"MOONDAY.DAT", " 12, 1, 32"}, {"NEWYEAR.DAT", " 13, 18"},
      {"NEWYEAR.DAT", " 2, 0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.table) + ":" + c.firstLine);
    TableFolder folder;
    const std::string text = folder.Read(c.table);
    folder.Write(c.table, c.firstLine + text.substr(text.find('\r')));
    ExpectFailureAndRelease(folder, ReaderOf(c.table));
  }
  // The last leap month that a year can have is read as it stands.
  TableFolder folder;
  const std::string text = folder.Read("MOONDAY.DAT");
  folder.Write("MOONDAY.DAT", " 12.5, 1, 19" + text.substr(text.find('\r')));
  EXPECT_EQ(ReadLunarMonthTable()[0].month, 12.5);
}

TEST(CalendarTables, IndexOutsideTheTables) {
  const YearMonthTable days = ReadJieDayTable();
  EXPECT_THROW(days.At(0, 1), Failure);
  EXPECT_THROW(days.At(121, 1), Failure);
  EXPECT_THROW(days.At(1, 13), Failure);
  EXPECT_THROW(JieTimeAt(ReadJieTimeTable(), 1, 0), Failure);
}

TEST(CalendarTables, ConversionsFailOnAMissingTable) {
  for (const char* table : test::kCalendarTables) {
    SCOPED_TRACE(table);
    TableFolder folder;
    std::filesystem::remove(folder.path() / table);
    const std::string name = table;
    const bool lunar = name == "NEWYEAR.DAT" || name == "MYEAR.DAT" || name == "MOONDAY.DAT";
    if (lunar) {
      EXPECT_THROW(SolarToLunar(100, 6, 1), Failure);
      if (name != "NEWYEAR.DAT") {
        EXPECT_THROW(LunarToSolar(100, 6, 1), Failure);
      }
    } else {
      EXPECT_THROW(ComputePillars(100, 6, 1, 12, 0), Failure);
    }
  }
}

// A month table that stops after lunar year 60: dates before it still convert, later ones fail
// instead of giving a wrong date.
TEST(CalendarTables, MonthTableCutShort) {
  TableFolder folder;
  const std::string text = folder.Read("MOONDAY.DAT");
  const auto counts = ReadLunarMonthCounts();
  std::size_t records = 1, end = 0;
  for (int year = 1; year <= 60; ++year) records += counts[year];
  for (std::size_t i = 0; i < records; ++i) end = text.find('\n', end) + 1;
  folder.Write("MOONDAY.DAT", text.substr(0, end));
  EXPECT_EQ(SolarToLunar(38, 10, 1), (LunarDate{38, 8, 10, "0"}));  // 1949-10-01: 八月初十
  EXPECT_THROW(SolarToLunar(100, 6, 1), Failure);
  EXPECT_THROW(LunarToSolar(100, 6, 1), Failure);
}

}  // namespace
}  // namespace qm
