// The field reader: fields in order whatever their spread over lines, and the failures.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/failure.h"
#include "base/field_reader.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

std::vector<std::string> AllFields(FieldReader reader) {
  std::vector<std::string> fields;
  while (!reader.AtEnd()) fields.emplace_back(reader.Next());
  return fields;
}

const std::vector<std::string> kRecordFields = {"73", "5", "12", "8", "30", "M", "N"};

TEST(FieldReader, ReadsARecordTheSameWhateverItsLinesAndLeadingBlanks) {
  const char* layouts[] = {
      " 73, 5, 12,8,30,M,N\r\n",
      " 73, 5, 12,8,30,M,N\n",
      " 73, 5, 12,8,30,M,N",
      " 73\r\n 5\r\n 12\r\n8\r\n30\r\nM\r\nN\r\n",
      " 73, 5\n 12,8\r\n30,M\nN",
      "\r\n\r\n 73, 5, 12,8,30,M,N\r\n",
      "   73,   5,  12,  8, 30, M, N\r\n",
  };
  for (const char* text : layouts)
    EXPECT_EQ(AllFields(FieldReader::FromText(text)), kRecordFields) << text;
}

TEST(FieldReader, GivesAnEmptyFieldBetweenTwoCommas) {
  EXPECT_EQ(AllFields(FieldReader::FromText("a,,b\r\n")),
            (std::vector<std::string>{"a", "", "b"}));
}

TEST(FieldReader, ReadingPastTheLastFieldFails) {
  FieldReader reader = FieldReader::FromText(" 1, 2\r\n");
  EXPECT_EQ(reader.NextInt(), 1);
  EXPECT_EQ(reader.NextInt(), 2);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_THROW(reader.Next(), Failure);
  EXPECT_THROW(FieldReader::FromText("").Next(), Failure);
  EXPECT_THROW(FieldReader::FromText("\r\n  \r\n").Next(), Failure);
}

TEST(FieldReader, ReadsNumbersAndRefusesWhatIsNoNumber) {
  FieldReader reader = FieldReader::FromText(" 73, 4.5,-.5, .5,M,4.5,12x, 7");
  EXPECT_EQ(reader.NextInt(), 73);
  EXPECT_EQ(reader.NextNumber(), 4.5);
  EXPECT_EQ(reader.NextNumber(), -0.5);
  EXPECT_EQ(reader.NextNumber(), 0.5);
  EXPECT_THROW(reader.NextNumber(), Failure);  // M
  EXPECT_THROW(reader.NextInt(), Failure);     // 4.5 is no whole number
  EXPECT_THROW(reader.NextInt(), Failure);     // 12x
  EXPECT_EQ(reader.NextInt(), 7);
}

TEST(FieldReader, ReadsWholeNumbersInEveryFormTheTablesMayHold) {
  FieldReader reader = FieldReader::FromText(
      " 7 ,-3,+4, 3.0,1234567890\r\n\r\n 12\n9, 8x,,-.5, 5");
  for (int expected : {7, -3, 4, 3, 1234567890, 12, 9}) EXPECT_EQ(reader.NextInt(), expected);
  EXPECT_THROW(reader.NextInt(), Failure);  // 8x
  EXPECT_THROW(reader.NextInt(), Failure);  // an empty field
  EXPECT_THROW(reader.NextInt(), Failure);  // -.5 is no whole number
  EXPECT_EQ(reader.NextInt(), 5);
  EXPECT_THROW(reader.NextInt(), Failure);  // past the last field
}

TEST(FieldReader, AWholeNumberBeyondIntIsNoWholeNumberOfATable) {
  FieldReader reader = FieldReader::FromText("99999999999,-99999999999,1e10,2147483647,nan,inf");
  for (int i = 0; i < 3; ++i) EXPECT_THROW(reader.NextInt(), Failure) << i;
  EXPECT_EQ(reader.NextInt(), 2147483647);
  EXPECT_THROW(reader.NextInt(), Failure);  // nan
  EXPECT_THROW(reader.NextInt(), Failure);  // inf
}

TEST(FieldReader, NumbersOfATableAreFiniteAndWithinWhatItAsks) {
  FieldReader reader = FieldReader::FromText("inf,nan,-inf,0.5, 12,13,-1.5");
  for (int i = 0; i < 3; ++i) EXPECT_THROW(reader.NextNumber(), Failure) << i;
  EXPECT_EQ(reader.NextNumberIn(0, 1), 0.5);
  EXPECT_EQ(reader.NextIntIn(1, 12), 12);
  EXPECT_THROW(reader.NextIntIn(1, 12), Failure);  // 13
  EXPECT_THROW(reader.NextNumberIn(-1, 2), Failure);  // -1.5
}

TEST(FieldReader, ANumberOutsideItsRangeIsRefused) {
  FieldReader reader = FieldReader::FromText(" 1, 10, 0, 11, 1, 12.5, .5, 13, nan, inf");
  EXPECT_EQ(reader.NextIntIn(1, 10), 1);
  EXPECT_EQ(reader.NextIntIn(1, 10), 10);
  EXPECT_THROW(reader.NextIntIn(1, 10), Failure);  // 0
  EXPECT_THROW(reader.NextIntIn(1, 10), Failure);  // 11
  EXPECT_EQ(reader.NextNumberIn(1, 12.5), 1);
  EXPECT_EQ(reader.NextNumberIn(1, 12.5), 12.5);
  for (const char* refused : {".5", "13", "nan", "inf"})
    EXPECT_THROW(reader.NextNumberIn(1, 12.5), Failure) << refused;
}

// Whatever goes wrong while a file is read is a failure of reading that file.
TEST(FieldReader, EveryFailureNamesTheFileItReads) {
  test::TempFolder folder("reader");
  const std::vector<std::pair<const char*, std::function<void(FieldReader&)>>> cases = {
      {" 1", [](FieldReader& r) { r.NextInt(), r.NextInt(); }},  // short
      {"x", [](FieldReader& r) { r.NextNumber(); }},           // no number
      {"1.5", [](FieldReader& r) { r.NextInt(); }},            // no whole number
      {"13", [](FieldReader& r) { r.NextIntIn(1, 12); }},      // outside its range
      {"甲", [](FieldReader& r) { throw r.Refusal("不是地支"); }},
  };
  auto fileOf = [](const std::function<void()>& read) -> std::optional<FailedFile> {
    try {
      read();
    } catch (const Failure& failure) {
      return failure.File();
    }
    return std::nullopt;
  };
  const FailedFile table{"SEG.DAT", FailedFile::Access::Read};
  for (const auto& [text, read] : cases) {
    folder.Write("SEG.DAT", text);
    EXPECT_EQ(fileOf([&] {
                FieldReader reader(folder / "SEG.DAT");
                read(reader);
              }),
              table)
        << text;
  }
  std::filesystem::remove(folder / "SEG.DAT");
  EXPECT_EQ(fileOf([&] { FieldReader reader(folder / "SEG.DAT"); }), table);
  std::filesystem::create_directory(folder / "SEG.DAT");
  EXPECT_EQ(fileOf([&] { FieldReader reader(folder / "SEG.DAT"); }), table);
}

TEST(FieldReader, AMissingFileFails) {
  test::TempFolder folder("reader");
  EXPECT_THROW(FieldReader(folder / "nothing"), Failure);
}

TEST(FieldReader, ReadsAFileAndLetsItGoAtOnce) {
  test::TempFolder folder("reader");
  folder.Write("rec", " 73, 5\r\n 12\r\n");
  {
    FieldReader reader(folder / "rec");
    std::filesystem::remove(folder / "rec");  // the reader holds no open file
    EXPECT_EQ(reader.NextInt(), 73);
    EXPECT_EQ(reader.NextInt(), 5);
    EXPECT_EQ(reader.NextInt(), 12);
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "rec"));
}

}  // namespace
}  // namespace qm
