// Sections 2 to 4 of the start screen, the hexagram option and the quit button.
#include "start_screen_fixture.h"

namespace qm::app::test {
namespace {

using Texts = std::vector<std::string>;

TEST_F(StartScreenTest, ButtonsABAndCOpenTheirWindowsOnARecordThatCanBeRead) {
  WriteFile("rec", " 73, 5, 12,8,30,M,N\r\n");
  Set("oldname", "rec");
  const std::pair<const char*, const char*> buttons[] = {
      {"Command1", "Form2"}, {"Command3", "Form3"}, {"Command5", "Form7"}};
  for (const auto& [button, window] : buttons) {
    Click(button);
    ASSERT_NE(Opened(window), nullptr) << button;
    EXPECT_EQ(Opened(window)->loads, 1);
    EXPECT_EQ(program.start.f檔名, "rec");
    Opened(window)->Return();
    EXPECT_TRUE(StartShown());
  }
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StartScreenTest, ButtonsABAndCSayWhyARecordCannotBeReadAndOpenNothing) {
  WriteFile("short", " 73, 5, 12,8,30,M\r\n");
  WriteFile("badsex", " 73, 5, 12,8,30,X,N\r\n");
  WriteFile("baddate", " 73, 五, 12,8,30,M,N\r\n");
  const std::pair<const char*, const char*> cases[] = {
      {"none", "找不到出生資料檔：none"},
      {"short", "出生資料檔內容有誤：short"},
      {"badsex", "出生資料檔內容有誤：badsex"},
      {"baddate", "出生資料檔內容有誤：baddate"},
      {"", "檔名不合用，請重新輸入"},
      {"../rec", "檔名不合用，請重新輸入"},
  };
  for (const char* button : {"Command1", "Command3", "Command5"}) {
    for (const auto& [name, message] : cases) {
      platform.messages.clear();
      Set("oldname", name);
      Click(button);
      EXPECT_EQ(Messages(), Texts{message}) << button << " " << name;
    }
  }
  for (const char* window : {"Form2", "Form3", "Form7"}) EXPECT_EQ(Opened(window), nullptr);
  EXPECT_TRUE(StartShown());
  EXPECT_EQ(program.start.f檔名, "");
}

TEST_F(StartScreenTest, ButtonBTakesTheFlowingYearAndMonthFromTheDateText) {
  WriteFile("rec", " 73, 5, 12,8,30,M,N\r\n");
  Set("oldname", "rec");
  const std::tuple<const char*, double, int> dates[] = {
      {"2005/5/11", 94, 5}, {"2005/12/1", 94, 12}, {"1912/1/1", 1, 1}};
  for (const auto& [date, year, month] : dates) {
    platform.date = date;
    Click("Command3");
    EXPECT_EQ(program.start.f流年, year) << date;
    EXPECT_EQ(program.start.f流月, month) << date;
    Opened("Form3")->Return();
  }
}

TEST_F(StartScreenTest, Section3TakesTheTenRolesAndTheYearsOfTheCurve) {
  Click("Command運勢圖");
  const ui::StartVariables& v = program.start;
  EXPECT_EQ((std::vector<int>{v.f用0, v.f用1, v.f喜0, v.f喜1, v.f閒0, v.f閒1, v.f仇0, v.f仇1,
                              v.f忌0, v.f忌1}),
            (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(v.f始年, 10);
  EXPECT_EQ(v.f終年, 10);
  ASSERT_NE(Opened("FORM4"), nullptr);
  Opened("FORM4")->Return();
  // A typed text naming no kind keeps the last value; a repeated kind passes as chosen.
  Set("用(0)", "木");
  Set("喜(1)", "癸水");
  Click("Command運勢圖");
  EXPECT_EQ(v.f用0, 1);
  EXPECT_EQ(v.f喜1, 10);
  EXPECT_EQ(v.f忌1, 10);
}

TEST_F(StartScreenTest, Section4WarnsOfEveryPillarOfMixedPolarityAndOpensTheWindow) {
  Set("古年支", "丑");
  Set("古月干", "乙");
  Set("古日干", "丙");
  Set("古日支", "亥");
  Set("古時干", "癸");
  Set("古時支", "午");
  Set("性別", "女");
  Set("幾歲運", "7");
  Click("Command4");
  std::vector<std::pair<std::string, std::string>> shown;
  for (const auto& m : platform.messages) shown.emplace_back(m.title, m.text);
  EXPECT_EQ(shown, (std::vector<std::pair<std::string, std::string>>{
                       {"年柱干支不會有這種組合", "甲丑"},
                       {"月柱干支不會有這種組合", "乙子"},
                       {"日柱干支不會有這種組合", "丙亥"},
                       {"時柱干支不會有這種組合", "癸午"}}));
  const ui::StartVariables& v = program.start;
  EXPECT_EQ((std::vector<int>{v.古Y1, v.古Y2, v.古M1, v.古M2, v.古D1, v.古D2, v.古H1, v.古H2}),
            (std::vector<int>{1, 2, 2, 1, 3, 12, 10, 7}));
  EXPECT_EQ(v.f性別, "女");
  EXPECT_EQ(v.f幾歲運, "7");
  ASSERT_NE(Opened("Form6"), nullptr);
  EXPECT_EQ(Opened("Form6")->loads, 1);
}

TEST_F(StartScreenTest, Section4KeepsAPillarWhoseTypedTextNamesNothing) {
  Set("古年干", "丙");
  Set("古年支", "寅");
  Click("Command4");
  Opened("Form6")->Return();
  platform.messages.clear();
  Set("古年干", "X");
  Set("古年支", "寅寅");
  Click("Command4");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(program.start.古Y1, 3);
  EXPECT_EQ(program.start.古Y2, 3);
}

TEST_F(StartScreenTest, TheHexagramOptionOpensAgainAfterItsWindowReturns) {
  for (int round = 1; round <= 2; ++round) {
    Click("Option1");
    StandInWindow* hexagram = Opened("Form8");
    ASSERT_NE(hexagram, nullptr);
    EXPECT_EQ(hexagram->loads, 1);
    EXPECT_FALSE(StartShown());
    EXPECT_TRUE(form().C("Option1").selected);
    program.Click(*hexagram, "cmd_return");
    EXPECT_TRUE(StartShown());
    EXPECT_EQ(Opened("Form8"), nullptr);
  }
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StartScreenTest, AReturnLeavesTheEntriesAndVariablesAsTheyWere) {
  Set("曆年", "73 (1984)");
  Set("oldname", "rec");
  WriteFile("rec", " 73, 5, 12,8,30,M,N\r\n");
  Click("Command1");
  program.Click(*Opened("Form2"), "cmd_return");
  EXPECT_TRUE(StartShown());
  EXPECT_EQ(form().C("曆年").text, "73 (1984)");
  EXPECT_EQ(form().C("oldname").text, "rec");
  EXPECT_EQ(program.start.f檔名, "rec");
  // Opened again: a fresh window, loaded and drawn once.
  Click("Command1");
  EXPECT_EQ(Opened("Form2")->loads, 1);
  EXPECT_EQ(Opened("Form2")->activations, 1);
}

TEST_F(StartScreenTest, QuitClosesEveryWindowAndEndsTheProgram) {
  Click("cmd_quit");
  EXPECT_TRUE(program.windows.QuitRequested());
  EXPECT_TRUE(program.windows.Shown().empty());
  EXPECT_EQ(program.windows.Loaded("form1"), nullptr);
}

TEST_F(StartScreenTest, TheControlsStandWhereTheScreenPutsThem) {
  Form1& f = form();
  EXPECT_EQ(f.caption, "Korvessa起始畫面");
  EXPECT_EQ(f.clientWidth, 11880);
  EXPECT_EQ(f.clientHeight, 8670);
  EXPECT_EQ(f.backColor, 0x00C0FFFFu);
  const ui::Control& year = f.C("曆年");
  ASSERT_EQ(year.items.size(), 120u);
  EXPECT_EQ(year.items[0], "1 (1912)  ");
  EXPECT_EQ(year.items[47], "48 (1959) ");
  EXPECT_EQ(year.items[72], "73 (1984)");
  EXPECT_EQ(year.items[119], "120 (2031)");
  EXPECT_EQ((std::vector<int>{year.left, year.top, year.width, year.height}),
            (std::vector<int>{720, 720, 1380, 315}));
  EXPECT_EQ(f.C("曆分").items.back(), "59");
  EXPECT_EQ(f.C("曆時").items.front(), "0");
  EXPECT_EQ(f.C("幾歲運").items, (Texts{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
  EXPECT_EQ(f.C("古時支").items.back(), "亥");
  EXPECT_EQ(f.C("忌(1)").items[4], "燥土");
  EXPECT_EQ(f.C("忌(1)").left, 7440);
  EXPECT_EQ(f.C("Label25(1)").top, 4920);
  EXPECT_EQ(f.C("cmd_quit").font, (ui::Font{"標楷體", 14.25}));
  EXPECT_EQ(f.C("cmd_quit").backColor, 0x0000FFFFu);
  EXPECT_EQ(f.C("Option1").kind, ui::ControlKind::OptionButton);
  EXPECT_EQ(f.C("Option1").backColor, 0x00FFC0FFu);
  EXPECT_EQ(f.C("Label7").font, (ui::Font{"細明體", 9.75}));
  EXPECT_EQ(f.C("古年干").font, (ui::Font{"細明體", 9.75}));
  EXPECT_EQ(f.C("分隔線(2)").text, std::string(156, '-'));
  EXPECT_EQ(f.C("分隔線(2)").top, 6000);
  EXPECT_EQ(f.C("分隔線(2)").foreColor, 0x00C00000u);
}

}  // namespace
}  // namespace qm::app::test
