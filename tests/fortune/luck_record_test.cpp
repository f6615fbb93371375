// The luck record BIGFOR: its line as the natal chart writes it, and the reader that the
// fortune curve uses, with the empty date fields of a chart from entered pillars.
#include <gtest/gtest.h>

#include "base/failure.h"
#include "base/names.h"
#include "natal/luck_record.h"
#include "support/temp_folder.h"

namespace qm::natal {
namespace {

// The record of the natal chart of 1984-05-12 08:30, male.
LuckRecord NatalRecord() {
  LuckRecord record;
  record.birth = SolarDate{73, 5, 12};
  record.dayStem = 3;
  record.luckStartAge = 8.16157407407407;
  record.month.stem = 6;
  record.month.branch = 6;
  for (int k = 1; k <= kLuckPillarCount; ++k)
    record.pillars[k - 1] = {NextStem(6, k), NextBranch(6, k)};
  return record;
}

constexpr const char* kNatalLine =
    "73,5,12, 3, 8.16157407407407, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 1, 11, 2, 12, 3, 1, 4, 2, 5, "
    "3, 6, 4\r\n";

TEST(LuckRecord, IsWrittenAsOneLineTheDatePlainAndTheNumbersAfterABlank) {
  test::TempFolder folder("luck_record");
  WriteBigFor(NatalRecord());
  EXPECT_EQ(folder.Read("BIGFOR"), kNatalLine);
  EXPECT_EQ(ReadLuckRecord(), NatalRecord());
}

TEST(LuckRecord, FromEnteredPillarsHasThreeEmptyDateFieldsAndAWholeStartAge) {
  LuckRecord record = NatalRecord();
  record.birth.reset();
  record.luckStartAge = 7;
  test::TempFolder folder("luck_record");
  WriteBigFor(record);
  EXPECT_EQ(folder.Read("BIGFOR").substr(0, 13), ",,, 3, 7, 6, ");
  EXPECT_EQ(ReadLuckRecord(), record);
}

TEST(LuckRecord, ReadsADecimalStartAgeWhateverItsForm) {
  struct Case {
    const char* age;
    double value;
  };
  // The window of entered pillars writes whatever start age was typed, however far out.
  for (Case c : {Case{" 7.41", 7.41}, Case{"7.5", 7.5}, Case{" .5", 0.5}, Case{" 10", 10},
                 Case{" 5000", 5000}, Case{" 99999999999", 99999999999.0}, Case{"-2", -2}}) {
    FieldReader fields = FieldReader::FromText(std::string(",,, 3,") + c.age +
                                               ", 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 1, 11, 2, 12, 3, "
                                               "1, 4, 2, 5, 3, 6, 4\r\n");
    EXPECT_EQ(ParseLuckRecord(fields).luckStartAge, c.value) << c.age;
  }
}

TEST(LuckRecord, RefusesAShortOrBrokenRecord) {
  const std::string tail = " 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 1, 11, 2, 12, 3, 1, 4, 2, 5, 3, 6, 4";
  const std::string broken[] = {
      "",
      "73,5,12, 3, 8.5," + tail.substr(0, tail.size() - 3),  // 26 fields
      "73,5,12, 3, 8.5,\r\n",                                // cut after field 7's comma
      "73,,, 3, 8.5," + tail,                                // half a date
      "73,5,12, 11, 8.5," + tail,                            // no such day stem
      "73,5,12, 3, 8.5, 6, 13," + tail.substr(7),            // no such month branch
      "73,5,12, 3, inf," + tail,
      "73,5,12, 3, x," + tail,
  };
  for (const std::string& text : broken) {
    FieldReader fields = FieldReader::FromText(text);
    EXPECT_THROW(ParseLuckRecord(fields), Failure) << text;
  }
}

TEST(LuckRecord, AMissingFileIsAFailure) {
  test::TempFolder folder("luck_record");
  EXPECT_THROW(ReadLuckRecord(), Failure);
}

}  // namespace
}  // namespace qm::natal
