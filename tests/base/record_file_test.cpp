// The record line and its writer: exact bytes, replacement, and a failed write that keeps the
// old file whole.
#include <gtest/gtest.h>

#include "base/failure.h"
#include "base/record_file.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

TEST(RecordFile, WritesTheFieldsJoinedByCommasEndedByCrLf) {
  test::TempFolder folder("record");
  WriteRecord(folder / "rec", {" 73", " 5", " 12", "8", "30", "M", "N"});
  EXPECT_EQ(folder.Read("rec"), " 73, 5, 12,8,30,M,N\r\n");
  EXPECT_EQ(RecordLine({"a"}), "a\r\n");
  EXPECT_EQ(RecordLine({"", ""}), ",\r\n");
}

TEST(RecordFile, ReplacesAnOldFileWholeAndLeavesNoTemporaryFile) {
  test::TempFolder folder("record");
  folder.Write("rec", "a much longer old record line\r\n");
  WriteRecord(folder / "rec", {" 1", "M"});
  EXPECT_EQ(folder.Read("rec"), " 1,M\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(RecordFile, AFailedWriteIsAFailureOfWritingThatFile) {
  test::TempFolder folder("record");
  std::filesystem::create_directory(folder / "BIGFOR");
  try {
    WriteRecord(folder / "BIGFOR", {" 1"});
    ADD_FAILURE() << "written";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.File(), (FailedFile{"BIGFOR", FailedFile::Access::Write}));
  }
}

TEST(RecordFile, AFailedWriteThrowsAndKeepsTheOldFile) {
  test::TempFolder folder("record");
  // A folder of that name cannot be replaced by a file.
  std::filesystem::create_directory(folder / "rec");
  folder.Write("rec/inside", "old");
  EXPECT_THROW(WriteRecord(folder / "rec", {" 1"}), Failure);
  EXPECT_EQ(folder.Read("rec/inside"), "old");
  EXPECT_THROW(WriteRecord(folder / "no folder" / "rec", {" 1"}), Failure);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

// The temporary file has a name no file had: a file whose name looks like one, even a record of
// the user's, stays as it was, and no temporary is left behind.
TEST(RecordFile, AWriteNeverTouchesAFileNamedLikeItsTemporary) {
  test::TempFolder folder("record");
  for (const char* name : {"rec.~tmp", "rec.~tmpAAAAAA"}) folder.Write(name, " 73, 5, 12,8,30,M,N\r\n");
  WriteRecord(folder / "rec", {" 1"});
  EXPECT_EQ(folder.Read("rec"), " 1\r\n");
  for (const char* name : {"rec.~tmp", "rec.~tmpAAAAAA"})
    EXPECT_EQ(folder.Read(name), " 73, 5, 12,8,30,M,N\r\n") << name;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3);
}

}  // namespace
}  // namespace qm
