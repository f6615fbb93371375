// Section 1 of the start screen: the checks of the date fields in their order, the refused
// names, the record's bytes and the opening of the natal chart window.
#include "start_screen_fixture.h"

namespace qm::app::test {
namespace {

using Texts = std::vector<std::string>;

const std::string kOutside = "超出曆表範圍（民國1年1月7日0時7分至民國120年12月7日16時2分）";

std::string DateMessage(const std::string& field) {
  return "出生時間當中的（" + field + "）資料輸入有誤，請重新操作";
}

class Section1Test : public StartScreenTest {
 protected:
  // Presses the button and gives the one message it showed ("" for none).
  std::string Press() {
    platform.messages.clear();
    Click("Command2");
    EXPECT_LE(platform.messages.size(), 1u);
    return platform.messages.empty() ? "" : platform.messages[0].text;
  }
};

TEST_F(Section1Test, WritesTheRecordOfTheExampleAndOpensTheNatalChart) {
  FillDate("73 (1984)", "5", "12", "8", "30");
  Set("newname", "rec");
  EXPECT_EQ(Press(), "");
  EXPECT_EQ(ReadFile("rec"), " 73, 5, 12,8,30,M,N\r\n");
  const ui::StartVariables& v = program.start;
  EXPECT_EQ((Texts{v.fy, v.fm, v.fd, v.fh, v.fi, v.f性別, v.f特運, v.f檔名}),
            (Texts{" 73", " 5", " 12", "8", "30", "M", "N", "rec"}));
  ASSERT_NE(Opened("Form2"), nullptr);
  EXPECT_EQ(Opened("Form2")->loads, 1);
  EXPECT_EQ(Opened("Form2")->activations, 1);
  EXPECT_FALSE(StartShown());
}

TEST_F(Section1Test, RefusesTheDateFieldsOneAtATimeInTheirOrder) {
  EXPECT_EQ(Press(), DateMessage("年"));
  Set("曆年", "73 (1984)");
  EXPECT_EQ(Press(), DateMessage("月"));
  Set("曆月", "5");
  EXPECT_EQ(Press(), DateMessage("日"));
  Set("曆日", "12");
  EXPECT_EQ(Press(), DateMessage("時"));
  Set("曆時", "8");
  EXPECT_EQ(Press(), DateMessage("分"));
  // Only the month left at its default: the month message.
  FillDate("73 (1984)", "月", "12", "8", "30");
  EXPECT_EQ(Press(), DateMessage("月"));
  EXPECT_EQ(RecordCount(), 0u);
  EXPECT_EQ(Opened("Form2"), nullptr);
  EXPECT_EQ(platform.messages.back().title, ui::Program::kTitle);
}

TEST_F(Section1Test, RefusesDatesThatAreNoDates) {
  struct Case {
    Texts date;  // year, month, day, hour, minute
    std::string field;
  };
  const Case cases[] = {
      {{"73 (1999)", "5", "12", "8", "30"}, "年"},  // no item of the list
      {{"121", "5", "12", "8", "30"}, "年"},
      {{"0", "5", "12", "8", "30"}, "年"},
      {{"abc", "5", "12", "8", "30"}, "年"},
      {{"73 (1984)", "13", "12", "8", "30"}, "月"},
      {{"73 (1984)", "0", "12", "8", "30"}, "月"},
      {{"73 (1984)", "5.5", "12", "8", "30"}, "月"},
      {{"73 (1984)", "5", "32", "8", "30"}, "日"},
      {{"73 (1984)", "4", "31", "8", "30"}, "日"},   // April has 30 days
      {{"72 (1983)", "2", "29", "8", "30"}, "日"},   // 1983 is no leap year
      {{"73 (1984)", "2", "30", "8", "30"}, "日"},
      {{"73 (1984)", "5", "12", "24", "30"}, "時"},
      {{"73 (1984)", "5", "12", "x", "30"}, "時"},
      {{"73 (1984)", "5", "12", "8", "60"}, "分"},
      {{"73 (1984)", "5", "12", "8", "-1"}, "分"},
      {{"73 (1984)", "13", "40", "25", "61"}, "月"},  // the first wrong field is said
  };
  Set("newname", "rec");
  for (const Case& c : cases) {
    FillDate(c.date[0], c.date[1], c.date[2], c.date[3], c.date[4]);
    EXPECT_EQ(Press(), DateMessage(c.field)) << c.date[0] << " " << c.date[1] << " " << c.date[2];
  }
  EXPECT_EQ(RecordCount(), 0u);
  EXPECT_EQ(Opened("Form2"), nullptr);
}

// Numbers past any date, past an int, or read as infinity (309 digits) are refused by the
// field they were typed into, like any other wrong entry.
TEST_F(Section1Test, RefusesATypedNumberOfAnySizeInEveryField) {
  const Texts huge = {"9999999999", "-9999999999", "2147483648", std::string(308, '9'),
                      "1" + std::string(309, '0'), std::string(400, '9') + ".5"};
  const Texts good = {"73 (1984)", "5", "12", "8", "30"};
  const Texts fields = {"年", "月", "日", "時", "分"};
  Set("newname", "rec");
  for (std::size_t f = 0; f < good.size(); ++f) {
    for (const std::string& number : huge) {
      Texts date = good;
      date[f] = number;
      FillDate(date[0], date[1], date[2], date[3], date[4]);
      EXPECT_EQ(Press(), DateMessage(fields[f])) << fields[f] << " " << number.substr(0, 12);
    }
  }
  EXPECT_EQ(RecordCount(), 0u);
  EXPECT_EQ(Opened("Form2"), nullptr);
}

TEST_F(Section1Test, WritesTheYearOfEveryFormOfListItemAndOfATypedYear) {
  struct Case {
    std::string year, day, field1;
  };
  const Case cases[] = {
      {"1 (1912)  ", "12", " 1"},
      {"48 (1959) ", "12", " 48"},
      {"120 (2031)", "12", " 120"},
      {"73", "12", " 73"},
      {"73 (1984)", "12", " 73"},
      {"73 (1984)", "29", " 73"},  // 1984 is a leap year
  };
  for (const Case& c : cases) {
    FillDate(c.year, c.day == "29" ? "2" : "5", c.day, "8", "30");
    Set("newname", "rec");
    EXPECT_EQ(Press(), "") << c.year;
    std::string record = ReadFile("rec");
    EXPECT_EQ(record.substr(0, record.find(',')), c.field1) << c.year;
    Opened("Form2")->Return();
  }
}

// An hour or minute typed with blanks around it is taken, and written without them: the
// fields of a record stand between its commas with no blanks, and the hour and minute with none
// before them.
TEST_F(Section1Test, WritesATypedHourAndMinuteWithoutTheirBlanks) {
  struct Case {
    Texts typed, written;  // hour and minute
    std::string record;
  };
  const Case cases[] = {
      {{" 8", "30 "}, {"8", "30"}, " 73, 5, 12,8,30,M,N\r\n"},
      {{" 8 ", "  0"}, {"8", "0"}, " 73, 5, 12,8,0,M,N\r\n"},
      {{"08", "05"}, {"08", "05"}, " 73, 5, 12,08,05,M,N\r\n"},
  };
  Set("newname", "rec");
  for (const Case& c : cases) {
    FillDate("73 (1984)", "5", "12", c.typed[0], c.typed[1]);
    EXPECT_EQ(Press(), "") << c.record;
    EXPECT_EQ(ReadFile("rec"), c.record);
    EXPECT_EQ((Texts{program.start.fh, program.start.fi}), c.written);
    Opened("Form2")->Return();
  }
}

TEST_F(Section1Test, WritesTheCodesOfSexSpecialLuckAndIgnoresTheLeapChoiceOfASolarDate) {
  FillDate("73 (1984)", "5", "12", "8", "30");
  Set("newname", "rec");
  Set("SEX", "女");
  Set("specialfate", "是");
  Set("LU", "是");
  EXPECT_EQ(Press(), "");
  EXPECT_EQ(ReadFile("rec"), " 73, 5, 12,8,30,F,Y\r\n");
  Opened("Form2")->Return();
  Set("SEX", "x");
  Set("specialfate", "x");
  EXPECT_EQ(Press(), "");
  EXPECT_EQ(ReadFile("rec"), " 73, 5, 12,8,30,F,N\r\n");
  EXPECT_EQ(program.start.f性別, "F");
}

TEST_F(Section1Test, ConvertsALunarDateAndRefusesAMonthOrDayTheYearLacks) {
  Set("newname", "rec");
  Set("SUNMOON", "陰曆(農曆)");
  // 2020 (RocYear 109): New Year on 25 January, 四月初一 on 23 April, 閏四月初一 on 23 May;
  // 正月 has 29 days (二月初一 is 23 February). 1984 has no leap fifth month.
  struct Case {
    Texts date;
    std::string leap, message, record;
  };
  const Case cases[] = {
      {{"109 (2020)", "1", "1", "8", "30"}, "否", "", " 109, 1, 25,8,30,M,N\r\n"},
      {{"109 (2020)", "4", "1", "0", "0"}, "否", "", " 109, 4, 23,0,0,M,N\r\n"},
      {{"109 (2020)", "4", "1", "0", "0"}, "是", "", " 109, 5, 23,0,0,M,N\r\n"},
      {{"73 (1984)", "5", "1", "8", "30"}, "是", DateMessage("月"), ""},
      {{"109 (2020)", "1", "30", "8", "30"}, "否", DateMessage("日"), ""},
      {{"109 (2020)", "1", "31", "8", "30"}, "否", DateMessage("日"), ""},
      // 十二月 of lunar year 120 begins on 13 January 2032, after the tables end: the moment
      // is refused in the words of every moment past the tables, as 十一月初一 (14 December
      // 2031, after the last 大雪) is; the year chosen is no fault of its own.
      {{"120 (2031)", "12", "1", "8", "30"}, "否", kOutside, ""},
      {{"120 (2031)", "12", "30", "8", "30"}, "否", kOutside, ""},
      {{"120 (2031)", "11", "1", "8", "30"}, "否", kOutside, ""},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(folder / "rec");
    FillDate(c.date[0], c.date[1], c.date[2], c.date[3], c.date[4]);
    Set("LU", c.leap);
    EXPECT_EQ(Press(), c.message) << c.date[0] << " " << c.date[1] << " " << c.date[2];
    EXPECT_EQ(ReadFile("rec"), c.record) << c.date[0] << " " << c.date[1] << " " << c.date[2];
    if (StandInWindow* chart = Opened("Form2")) chart->Return();
  }
}

TEST_F(Section1Test, RefusesNamesThatCannotBeARecordAndWritesNothing) {
  FillDate("73 (1984)", "5", "12", "8", "30");
  for (const char* name : {"", "a/b", "a\\b", ".", "..", "SIXTY.DAT", "bigfor", "quillmere"}) {
    Set("newname", name);
    EXPECT_EQ(Press(), "檔名不合用，請重新輸入") << name;
  }
  EXPECT_EQ(RecordCount(), 0u);
  EXPECT_EQ(Opened("Form2"), nullptr);
  EXPECT_TRUE(StartShown());
  EXPECT_EQ(program.start.f檔名, "");
}

TEST_F(Section1Test, AWriteThatFailsIsSaidAndOpensNoWindow) {
  FillDate("73 (1984)", "5", "12", "8", "30");
  // The record is written to a temporary file named after it first; a name so long that the
  // temporary's name would pass the system's limit makes the write fail.
  const std::string name(250, 'r');
  Set("newname", name);
  EXPECT_EQ(Press(), "無法寫入出生資料檔");
  EXPECT_EQ(RecordCount(), 0u);
  EXPECT_EQ(Opened("Form2"), nullptr);
  EXPECT_TRUE(StartShown());
  EXPECT_EQ(program.start.f檔名, "");
}

TEST_F(Section1Test, ReplacesARecordOfTheSameName) {
  WriteFile("rec", " 1, 1, 1,0,0,F,Y\r\n");
  FillDate("73 (1984)", "5", "12", "8", "30");
  Set("newname", "rec");
  EXPECT_EQ(Press(), "");
  EXPECT_EQ(ReadFile("rec"), " 73, 5, 12,8,30,M,N\r\n");
}

// A name taken by a file that is not a birth record is refused whatever it is called, and the
// file is left as it was: a tool of the build, a table under another name, a hexagram record,
// a record cut short, a folder.
TEST_F(Section1Test, RefusesANameTakenByAFileThatIsNoBirthRecordAndKeepsTheFile) {
  const std::pair<const char*, std::string> taken[] = {
      {"almanac", std::string("\x7f" "ELF\x02\x01\x01", 7) + std::string(5000, '\0')},
      {"my_test", "#!/bin/sh\nexit 0\n"},
      {"sixty", ReadFile("SIXTY.DAT")},
      {"NOW", " 94, 5, 11, 15, 7,1,2,3,4,1,3\r\n"},
      {"short", " 73, 5, 12,8,30,M\r\n"},
      {"longer", " 73, 5, 12,8,30,M,N,1\r\n"},
      {"empty", ""},
  };
  FillDate("73 (1984)", "5", "12", "8", "30");
  for (const auto& [name, bytes] : taken) {
    WriteFile(name, bytes);
    Set("newname", name);
    EXPECT_EQ(Press(), "檔名不合用，請重新輸入") << name;
    EXPECT_TRUE(ReadFile(name) == bytes) << name;
  }
  std::filesystem::create_directory(folder / "box");
  Set("newname", "box");
  EXPECT_EQ(Press(), "檔名不合用，請重新輸入");
  EXPECT_TRUE(std::filesystem::is_directory(folder / "box"));
  EXPECT_EQ(Opened("Form2"), nullptr);
  EXPECT_EQ(program.start.f檔名, "");
}

}  // namespace
}  // namespace qm::app::test
