// The hexagram record: its line, its round trip and what is not a record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hexagram/hexagram_record.h"
#include "support/temp_folder.h"

namespace qm::hexagram {
namespace {

const HexagramRecord kExample{{94, 5, 11, 15, 7}, {"1", "2", "3", "4", "1", "3"}};

TEST(HexagramRecord, WritesOneLineOfElevenFields) {
  test::TempFolder folder("hexagram_record");
  WriteHexagramRecord("NOW", kExample);
  EXPECT_EQ(folder.Read("NOW"), " 94, 5, 11, 15, 7,1,2,3,4,1,3\r\n");
  EXPECT_EQ(ReadHexagramRecord("NOW"), kExample);
}

TEST(HexagramRecord, CodesNeverSetRoundTripAsEmptyFields) {
  test::TempFolder folder("hexagram_record");
  const HexagramRecord unset{{94, 5, 11, 15, 7}, {"", "2", "", "", "1", ""}};
  WriteHexagramRecord("rec", unset);
  EXPECT_EQ(folder.Read("rec"), " 94, 5, 11, 15, 7,,2,,,1,\r\n");
  EXPECT_EQ(ReadHexagramRecord("rec"), unset);
}

TEST(HexagramRecord, ReadsWhatOtherWritersLeave) {
  // Blanks before fields, a plain LF or no line end at all.
  EXPECT_EQ(ParseHexagramRecord("94,5,11,15,7,1,2,3,4,1,3"), kExample);
  EXPECT_EQ(ParseHexagramRecord("  94 , 5,11,15,7, 1,2,3,4,1,3\n"), kExample);
}

TEST(HexagramRecord, RefusesWhatIsNoRecord) {
  const std::vector<std::string> notRecords = {
      "",
      " 94, 5, 11, 15, 7,1,2,3,4,1\r\n",          // ten fields
      " 94, 5, 11, 15, 7,1,2,3,4,\r\n",           // ten fields, the last one empty
      " 94, May, 11, 15, 7,1,2,3,4,1,3\r\n",      // a date field that is no number
      " 94, 5.5, 11, 15, 7,1,2,3,4,1,3\r\n",
      " 94, 9999999999, 11, 15, 7,1,2,3,4,1,3\r\n",  // no int
      " 73, 5, 12,8,30,M,N\r\n",                   // a birth record
  };
  for (const std::string& content : notRecords) {
    EXPECT_FALSE(ParseHexagramRecord(content)) << content;
    EXPECT_FALSE(IsHexagramRecordText(content)) << content;
  }
  EXPECT_TRUE(IsHexagramRecordText(" 94, 5, 11, 15, 7,1,2,3,4,1,3\r\n"));
}

// The reader takes the first eleven fields wherever the lines end and whatever follows them,
// and a code that is none of the four as an empty one; only a record of exactly one line of
// eleven fields with codes "1".."4" or empty may be replaced by a save.
TEST(HexagramRecord, ReadsTheFirstElevenFieldsButOnlyItsOwnLineMayBeReplaced) {
  struct Case {
    std::string content;
    LineCodes lines;
  };
  const LineCodes example = kExample.lines;
  const Case cases[] = {
      {" 94, 5, 11, 15, 7,1,2,3,4,1,3,1\r\n", example},                // twelve fields
      {" 94, 5, 11, 15, 7,1,2,3,4,1,3\r\n 73, 5, 12,8,30,M,N\r\n", example},  // a second line
      {" 94, 5, 11, 15, 7,1,2,3\r\n4,1,3\r\n", example},             // two lines
      {" 94\r\n 5\r\n 11\r\n 15\r\n 7\r\n1\r\n2\r\n3\r\n4\r\n1\r\n3\r\n", example},  // a field a line
      {" 94, 5, 11, 15, 7,1,2,3,\n\n4,1,3", example},                    // an empty line between
      {" 94, 5, 11, 15, 7,1,2,3,4,1,5\r\n", {"1", "2", "3", "4", "1", ""}},  // codes of no line
      {" 94, 5, 11, 15, 7,0,13,x,老陽,-1,3\r\n", {"", "", "", "", "", "3"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseHexagramRecord(c.content), (HexagramRecord{kExample.time, c.lines})) << c.content;
    EXPECT_FALSE(IsHexagramRecordText(c.content)) << c.content;
  }
}

// A record read with codes of no line draws those lines young yin, and saved again it is a
// record that a later save may replace.
TEST(HexagramRecord, ACodeOfNoLineIsSavedAgainAsAnEmptyOne) {
  test::TempFolder folder("hexagram_record");
  folder.Write("old", " 94, 5, 11, 15, 7,1,2,3,4,1,5\r\n");
  const std::optional<HexagramRecord> record = ReadHexagramRecord("old");
  ASSERT_TRUE(record);
  WriteHexagramRecord("again", *record);
  EXPECT_EQ(folder.Read("again"), " 94, 5, 11, 15, 7,1,2,3,4,1,\r\n");
  EXPECT_TRUE(CanWriteHexagramRecordAs("again"));
  EXPECT_FALSE(CanWriteHexagramRecordAs("old"));
}

TEST(HexagramRecord, AMissingFileHoldsNoRecord) {
  test::TempFolder folder("hexagram_record");
  EXPECT_FALSE(ReadHexagramRecord("NOW"));
}

TEST(HexagramRecord, NamesAreCheckedLikeABirthRecordsName) {
  test::TempFolder folder("hexagram_record");
  for (const char* name : {"", "a/b", "a\\b", "..", "BIGFOR", "sixty.dat"})
    EXPECT_FALSE(CanWriteHexagramRecordAs(name)) << name;
  for (const char* name : {"NOW", "卦一", "rec.txt"}) EXPECT_TRUE(CanWriteHexagramRecordAs(name));
}

TEST(HexagramRecord, ANameTakenByAnotherKindOfFileIsRefusedAndAnOldHexagramRecordReplaced) {
  test::TempFolder folder("hexagram_record");
  const std::string birth = " 73, 5, 12,8,30,M,N\r\n";
  folder.Write("born", birth);
  folder.Write("notes", "anything else\n");
  WriteHexagramRecord("old", {{94, 5, 11, 15, 7}, {"1", "2", "3", "4", "1", "3"}});
  EXPECT_FALSE(CanWriteHexagramRecordAs("born"));
  EXPECT_FALSE(CanWriteHexagramRecordAs("notes"));
  EXPECT_TRUE(CanWriteHexagramRecordAs("old"));
  EXPECT_EQ(folder.Read("born"), birth);
}

}  // namespace
}  // namespace qm::hexagram
