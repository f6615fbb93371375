// Record names the program refuses, and the reading and checking of a birth record.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/birth_record.h"
#include "base/failure.h"
#include "base/program_folder.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

TEST(RecordName, RefusesEmptyPathsDotsAndTheProgramsOwnFiles) {
  const char* refused[] = {"",          ".",           "..",        "a/b",      "a\\b",
                           "/",         "SIXTY.DAT",   "sixty.dat", "BIGFOR",   "bigfor",
                           "quillmere", "QUILLMERE",   "uiscript",  "地支藏干.DAT", "納音.dat",
                           "ONE120.DAT", "fortune.PRN", "FORTUNE.prn", " ",         "   "};
  for (const char* name : refused) EXPECT_FALSE(IsUsableRecordName(name)) << name;
  const char* usable[] = {"rec", "張三", "73.5", "BIGFOR2", "SIXTY", "a b", "NOW"};
  for (const char* name : usable) EXPECT_TRUE(IsUsableRecordName(name)) << name;
}

TEST(RecordName, RefusesEveryDataFileOfTheProgram) {
  for (const auto& entry : std::filesystem::directory_iterator(QM_TEST_DATA_DIR)) {
    std::u8string name = entry.path().filename().u8string();
    if (entry.path().extension() != ".DAT") continue;
    EXPECT_FALSE(IsUsableRecordName(std::string(name.begin(), name.end())))
        << entry.path().filename();
  }
}

// The kind of record is the caller's: here a stand-in kind of eleven fields, so that the check
// is seen to ask the kind and not the birth record.
TEST(RecordName, TakesANameThatIsFreeOrARecordOfTheKindBeingWritten) {
  test::TempFolder folder("record_name");
  int asked = 0;
  const IsRecordOfKind elevenFields = [&asked](std::string_view content) {
    ++asked;
    return std::count(content.begin(), content.end(), ',') == 10;
  };
  folder.Write("hexagram", " 94, 5, 11, 15, 7,1,2,3,4,1,3\r\n");
  folder.Write("birth", " 73, 5, 12,8,30,M,N\r\n");
  folder.Write("big", std::string(kLargestRecord + 1, ','));
  std::filesystem::create_directory(folder / "box");
  EXPECT_TRUE(CanWriteRecordAs("free", elevenFields));
  EXPECT_TRUE(CanWriteRecordAs("hexagram", elevenFields));
  EXPECT_FALSE(CanWriteRecordAs("birth", elevenFields));
  EXPECT_TRUE(CanWriteRecordAs("birth", IsBirthRecordText));
  EXPECT_FALSE(CanWriteRecordAs("hexagram", IsBirthRecordText));
  EXPECT_EQ(asked, 2);
  // Neither a file too large to be a record nor a folder is read, nor a name of the program's
  // own, even before that file exists.
  EXPECT_FALSE(CanWriteRecordAs("big", elevenFields));
  EXPECT_FALSE(CanWriteRecordAs("box", elevenFields));
  EXPECT_FALSE(CanWriteRecordAs("BIGFOR", elevenFields));
  EXPECT_FALSE(CanWriteRecordAs("../free", elevenFields));
  EXPECT_EQ(asked, 2);
}

TEST(BirthRecord, TellsTheTextOfABirthRecordFromAnyOtherText) {
  const std::pair<const char*, bool> cases[] = {
      {" 73, 5, 12,8,30,M,N\r\n", true},
      {" 73\r\n 5, 12\n8,30,f,y", true},
      {" 73, 5, 12,8,30,M\r\n", false},
      {" 73, 5, 12,8,30,M,N, 1\r\n", false},
      {" 94, 5, 11, 15, 7,1,2,3,4,1,3\r\n", false},
      {" 73, 5, 12,8,30,X,N\r\n", false},
      {"", false},
  };
  for (const auto& [text, record] : cases) EXPECT_EQ(IsBirthRecordText(text), record) << text;
}

// The program folder holds no test: the tests are built into a folder of their own.
TEST(ProgramFolder, IsNotTheFolderOfTheTests) {
  const std::filesystem::path tests = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  EXPECT_NE(std::filesystem::weakly_canonical(tests),
            std::filesystem::weakly_canonical(QM_PROGRAM_FOLDER));
}

TEST(BirthRecord, ReadsTheSevenFieldsWithSexAndFlagInUpperCase) {
  test::TempFolder folder("birth");
  folder.Write("rec", " 73\r\n 5, 12\n8,30,m,y\r\n");
  BirthRecord record = ReadBirthRecord(folder / "rec");
  EXPECT_EQ(record.year, 73);
  EXPECT_EQ(record.month, 5);
  EXPECT_EQ(record.day, 12);
  EXPECT_EQ(record.hour, 8);
  EXPECT_EQ(record.minute, 30);
  EXPECT_EQ(record.sex, "M");
  EXPECT_EQ(record.special, "Y");
  EXPECT_EQ(CheckBirthRecord(folder / "rec"), BirthRecordProblem::None);
}

TEST(BirthRecord, TellsAMissingRecordFromAMalformedOne) {
  test::TempFolder folder("birth");
  struct Case {
    const char* content;  // nullptr: no file
    BirthRecordProblem problem;
  };
  const Case cases[] = {
      {nullptr, BirthRecordProblem::Missing},
      {" 73, 5, 12,8,30,F,N\r\n", BirthRecordProblem::None},
      {" 73, 5, 12,8,30,M\r\n", BirthRecordProblem::Malformed},
      {"", BirthRecordProblem::Malformed},
      {"x, 5, 12,8,30,M,N\r\n", BirthRecordProblem::Malformed},
      {" 73, 5.5, 12,8,30,M,N\r\n", BirthRecordProblem::Malformed},
      {" 73, 5, 12,8,x,M,N\r\n", BirthRecordProblem::Malformed},
      {" 73, 5, 12,8,30,X,N\r\n", BirthRecordProblem::Malformed},
      {" 73, 5, 12,8,30,男,N\r\n", BirthRecordProblem::Malformed},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(folder / "rec");
    if (c.content) folder.Write("rec", c.content);
    EXPECT_EQ(CheckBirthRecord(folder / "rec"), c.problem) << (c.content ? c.content : "none");
    if (c.problem != BirthRecordProblem::None) {
      EXPECT_THROW(ReadBirthRecord(folder / "rec"), Failure);
    }
  }
}

// A hand-edited record with one field out of range in turn: each is refused as the start screen
// refuses that entry.
TEST(BirthRecord, RefusesEveryFieldOutOfItsRange) {
  test::TempFolder folder("birth");
  const char* refused[] = {
      " 0, 5, 12,8,30,M,N",   " 121, 5, 12,8,30,M,N", " 73, 0, 12,8,30,M,N", " 73, 13, 12,8,30,M,N",
      " 73, 5, 0,8,30,M,N",   " 73, 4, 31,8,30,M,N",  " 74, 2, 29,8,30,M,N", " 73, 5, 12,-1,30,M,N",
      " 73, 5, 12,24,30,M,N", " 73, 5, 12,8,-1,M,N",  " 73, 5, 12,8,60,M,N", " 73, 5, 12,8,30,X,N",
      " 73, 5, 12,8,30,M,X",  " 73, 5, 12,8,30,M,",
  };
  for (const char* content : refused) {
    folder.Write("rec", std::string(content) + "\r\n");
    EXPECT_EQ(CheckBirthRecord(folder / "rec"), BirthRecordProblem::Malformed) << content;
  }
  // The limits themselves are good: RocYear 1 and 120, 29 February of a leap year, 23:59, "f"/"y".
  for (const char* content : {" 1, 1, 31,0,0,F,N", " 120, 12, 31,23,59,f,y", " 73, 2, 29,8,30,M,N"}) {
    folder.Write("rec", std::string(content) + "\r\n");
    EXPECT_EQ(CheckBirthRecord(folder / "rec"), BirthRecordProblem::None) << content;
  }
}

TEST(BirthRecord, AFolderOfThatNameIsNoRecord) {
  test::TempFolder folder("birth");
  std::filesystem::create_directory(folder / "rec");
  EXPECT_EQ(CheckBirthRecord(folder / "rec"), BirthRecordProblem::Missing);
}

}  // namespace
}  // namespace qm
