// The fortune window and its list window on the headless platform: opening, the four buttons of
// the window of years and the refused window, the list window, printing, returning, and
// drawings stopped by a missing or broken file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "fortune/form4.h"
#include "fortune/form5.h"
#include "fortune/fortune_curve.h"
#include "fortune/fortune_listing.h"
#include "fortune_support.h"
#include "support/temp_folder.h"
#include "ui/headless_platform.h"
#include "ui/program.h"
#include "ui/window_protocol.h"

namespace qm::fortune {
namespace {

using Kind = ui::DrawItem::Kind;

// The start screen only as far as the window protocol needs it.
class StartScreen : public ui::Window {
 public:
  explicit StartScreen(ui::Program& program) : ui::Window(program, "form1") {}
  void Form_Load() override { ++loads; }
  int loads = 0;
};

class Form4Test : public ::testing::Test {
 protected:
  Form4Test() : folder("form4"), program(platform) {
    folder.CopyData("SIXTY.DAT");
    program.windows.Register("form1", [](ui::Program& p) { return std::make_unique<StartScreen>(p); });
    program.windows.Register("FORM4", [](ui::Program& p) { return std::make_unique<FORM4>(p); });
    program.windows.Register("Form5", [](ui::Program& p) { return std::make_unique<Form5>(p); });
    program.windows.Show(program.windows.Get("form1"));
    program.windows.Settle();
    platform.date = "2005/5/11";  // RocYear 94
    natal::WriteBigFor(fixture::RecordStartingAt(7.41, 58));
    const RoleChoices& roles = fixture::kDefaultRoles;
    ui::StartVariables& v = program.start;
    v.f用0 = roles[0][0], v.f用1 = roles[0][1], v.f喜0 = roles[1][0], v.f喜1 = roles[1][1];
    v.f閒0 = roles[2][0], v.f閒1 = roles[2][1], v.f仇0 = roles[3][0], v.f仇1 = roles[3][1];
    v.f忌0 = roles[4][0], v.f忌1 = roles[4][1];
  }

  // What the start screen's fortune button does.
  void Open() {
    program.start.f始年 = 10;
    program.start.f終年 = 10;
    program.RunEvent([this] { ui::OpenChartWindow(program, "FORM4"); });
  }
  FORM4* Curve() const { return dynamic_cast<FORM4*>(program.windows.Loaded("FORM4")); }
  Form5* List() const { return dynamic_cast<Form5*>(program.windows.Loaded("Form5")); }
  bool Shown(const ui::Window* window) const { return window && program.windows.IsVisible(*window); }
  bool StartShown() { return program.windows.IsVisible(program.windows.Get("form1")); }
  void Click(ui::Window& window, const std::string& control) {
    program.RunEvent([&] { window.Click(control); });
  }
  std::size_t Count(Kind kind) const {
    const auto& items = Curve()->canvas.Items();
    return static_cast<std::size_t>(
        std::count_if(items.begin(), items.end(), [kind](const ui::DrawItem& i) { return i.kind == kind; }));
  }
  // The age range the window printed last.
  std::string Range() const {
    for (const ui::DrawItem& item : Curve()->canvas.Items())
      if (item.kind == Kind::Text && item.x1 == 42 && item.y1 == 0) return item.text;
    return "";
  }
  std::size_t ListingLines() const { return ReadFortuneListing().size(); }

  test::TempFolder folder;
  ui::HeadlessPlatform platform;
  ui::Program program;
};

TEST_F(Form4Test, OpeningDrawsTheDefaultWindowOnceInPlaceOfTheStartScreen) {
  Open();
  ASSERT_TRUE(Shown(Curve()));
  EXPECT_FALSE(StartShown());
  EXPECT_EQ(Curve()->始年c, 10);
  EXPECT_EQ(Curve()->YL, 20);
  EXPECT_EQ(Range(), "流年( 26 - 46 )歲");
  EXPECT_EQ(Count(Kind::Box), 1u);
  EXPECT_EQ(Count(Kind::Point), 1u);
  EXPECT_EQ(Count(Kind::Line), 251u + 21u);
  EXPECT_EQ(Count(Kind::Text), 10u + 4u + 21u * 8u);
  EXPECT_EQ(ListingLines(), 254u);
  EXPECT_TRUE(platform.messages.empty());
  // Coming back to the window draws nothing again.
  std::filesystem::remove(folder / "fortune.PRN");
  program.windows.Show(program.windows.Get("form1"));
  program.windows.Settle();
  program.windows.Activate(*Curve());
  EXPECT_FALSE(std::filesystem::exists(folder / "fortune.PRN"));
}

TEST_F(Form4Test, NarrowingByFiveThenByTwoUntilTheWindowIsRefused) {
  Open();
  FORM4& form = *Curve();
  Click(form, "list_fortune");
  ASSERT_TRUE(Shown(List()));
  const std::pair<int, std::string> steps[] = {
      {10, "流年( 31 - 41 )歲"}, {6, "流年( 33 - 39 )歲"}, {2, "流年( 35 - 37 )歲"}};
  for (const auto& [span, range] : steps) {
    Click(form, "Command_25");
    EXPECT_EQ(form.YL, span);
    EXPECT_EQ(Range(), range);
  }
  EXPECT_EQ(form.始年1, 1);
  EXPECT_TRUE(platform.messages.empty());
  Click(form, "Command_25");
  EXPECT_EQ(form.始年1, -1);
  EXPECT_EQ(form.終年1, -1);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "繪圖期限不可小於一年");
  EXPECT_EQ(platform.messages[0].title, ui::Program::kTitle);
  EXPECT_EQ(Curve(), &form);
  EXPECT_FALSE(Shown(Curve()));
  EXPECT_EQ(List(), nullptr);
  EXPECT_TRUE(StartShown());
  EXPECT_EQ(program.windows.Get<StartScreen>("form1").loads, 0);
  // The fortune button loads fresh values.
  Open();
  EXPECT_EQ(Range(), "流年( 26 - 46 )歲");
}

TEST_F(Form4Test, MovingPastTheFirstOrLastAgeRaisesTheYearsAndDrawsTheSameAges) {
  natal::WriteBigFor(fixture::RecordStartingAt(7.41, 90));  // reference age 4
  Open();
  FORM4& form = *Curve();
  EXPECT_EQ(Range(), "流年( 1 - 14 )歲");
  Click(form, "Command_5");
  EXPECT_EQ(form.始年1, 15);
  EXPECT_EQ(Range(), "流年( 1 - 14 )歲");
  Click(form, "Command05");
  EXPECT_EQ(form.終年1, 15);
  EXPECT_EQ(Range(), "流年( 1 - 19 )歲");
  Click(form, "Command25");
  EXPECT_EQ(form.始年1, 20);
  EXPECT_EQ(form.終年1, 20);
  EXPECT_EQ(Range(), "流年( 1 - 24 )歲");
}

TEST_F(Form4Test, ARecordOfEnteredPillarsCountsFromRocYearZeroUpToAgeHundred) {
  natal::LuckRecord record = fixture::RecordStartingAt(7.41);
  record.birth.reset();
  natal::WriteBigFor(record);
  Open();
  FORM4& form = *Curve();
  EXPECT_EQ(Range(), "流年( 84 - 100 )歲");
  Click(form, "Command05");
  EXPECT_EQ(form.終年1, 15);
  EXPECT_EQ(Range(), "流年( 84 - 100 )歲");
  EXPECT_EQ(ReadFortuneListing().back().substr(0, 9), "100  99  ");
}

// An empty window of a record without a birth date is said to have no birth year: from RocYear
// 110 on such a record has no age left to draw, and the years were not changed.
TEST_F(Form4Test, AnEmptyWindowOfARecordWithoutABirthDateSaysItHasNoBirthYear) {
  const std::string noBirthYear = "直接輸入干支的命盤沒有出生年，無法繪出運勢圖";
  struct Case {
    bool birth;
    std::string date, message;  // message: "" when the window is drawn
  };
  const Case cases[] = {
      {false, "2020/12/31", ""},          {false, "2021/1/1", noBirthYear},
      {false, "2031/12/31", noBirthYear}, {true, "2021/1/1", ""},
      {true, "2071/1/1", ""},             {true, "2081/1/1", "繪圖期限不可小於一年"},
  };
  for (const Case& c : cases) {
    natal::LuckRecord record = fixture::RecordStartingAt(7.41);
    if (!c.birth) record.birth.reset();
    natal::WriteBigFor(record);
    platform.date = c.date;
    platform.messages.clear();
    Open();
    const std::string said = platform.messages.empty() ? "" : platform.messages[0].text;
    EXPECT_EQ(said, c.message) << c.birth << " " << c.date;
    EXPECT_LE(platform.messages.size(), 1u);
    EXPECT_EQ(Shown(Curve()), c.message.empty()) << c.birth << " " << c.date;
    EXPECT_EQ(StartShown(), !c.message.empty()) << c.birth << " " << c.date;
    if (Shown(Curve())) Click(*Curve(), "cmd_return41");
  }
}

// The same record narrowed step by step to an empty window is refused in the same words.
TEST_F(Form4Test, ARecordWithoutABirthDateNarrowedToNothingSaysItHasNoBirthYear) {
  natal::LuckRecord record = fixture::RecordStartingAt(7.41);
  record.birth.reset();
  natal::WriteBigFor(record);
  Open();
  for (int i = 0; i < 4; ++i) Click(*Curve(), "Command_25");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "直接輸入干支的命盤沒有出生年，無法繪出運勢圖");
  EXPECT_TRUE(StartShown());
}

TEST_F(Form4Test, TheYearsAreKeptWithinAThousand) {
  Open();
  FORM4& form = *Curve();
  for (int i = 0; i < 250; ++i) Click(form, "Command25");
  EXPECT_EQ(form.始年1, 1000);
  EXPECT_EQ(form.終年1, 1000);
  EXPECT_EQ(Range(), "流年( 1 - 100 )歲");
  EXPECT_EQ(ListingLines(), 1202u);
}

TEST_F(Form4Test, ClosingTheListAfterShiftingRedrawsTheDefaultWindow) {
  Open();
  FORM4& form = *Curve();
  Click(form, "Command25");
  EXPECT_EQ(ListingLines(), 2u + 12u * 31u);
  Click(form, "list_fortune");
  Form5& list = *List();
  EXPECT_EQ(list.C("list_fortune").items.size(), 2u + 12u * 31u);
  EXPECT_EQ(program.windows.Active(), &list);
  Click(list, "Cmd_quit5");
  EXPECT_EQ(List(), nullptr);
  ASSERT_TRUE(Shown(Curve()));
  EXPECT_EQ(Curve()->始年1, 10);
  EXPECT_EQ(Range(), "流年( 26 - 46 )歲");
  EXPECT_EQ(ListingLines(), 254u);
  EXPECT_FALSE(StartShown());
}

TEST_F(Form4Test, TheListShowsEveryLineOnceAndKeepsItsItemsWhenTheFileIsGone) {
  Open();
  FORM4& form = *Curve();
  Click(form, "list_fortune");
  Click(form, "list_fortune");
  const auto& items = List()->C("list_fortune").items;
  ASSERT_EQ(items.size(), 254u);
  EXPECT_EQ(items[0], kFortuneListingHeader1);
  EXPECT_EQ(items[253].substr(0, 4), " 46 ");
  std::filesystem::remove(folder / "fortune.PRN");
  List()->Form_Activate();
  EXPECT_EQ(items.size(), 254u);
  EXPECT_TRUE(Shown(List()));
  folder.Write("fortune.PRN", "");
  List()->Form_Activate();
  EXPECT_TRUE(items.empty());
}

TEST_F(Form4Test, PrintingHidesTheSevenButtonsAndShowsThemAgain) {
  Open();
  FORM4& form = *Curve();
  Click(form, "cmd_prt3");
  ASSERT_EQ(platform.printJobs.size(), 1u);
  EXPECT_EQ(platform.printJobs[0].visibleControls, std::vector<std::string>{"Label2"});
  EXPECT_EQ(platform.printJobs[0].drawnItems, form.canvas.Items().size());
  for (const ui::Control& control : form.Controls()) EXPECT_TRUE(control.visible) << control.name;
}

TEST_F(Form4Test, ReturningClosesBothWindowsAndTheCloseBoxesAreTheirButtons) {
  Open();
  Click(*Curve(), "list_fortune");
  EXPECT_EQ(List()->closeBox, "Cmd_quit5");
  EXPECT_EQ(Curve()->closeBox, "cmd_return41");
  Click(*Curve(), Curve()->closeBox);
  EXPECT_EQ(Curve(), nullptr);
  EXPECT_EQ(List(), nullptr);
  EXPECT_TRUE(StartShown());
  EXPECT_EQ(program.windows.Get<StartScreen>("form1").loads, 1);
}

TEST_F(Form4Test, NoRoleChosenDrawsAFlatCurveAtMidHeightWithItsGridAndTexts) {
  program.start = {};
  Open();
  EXPECT_EQ(Count(Kind::Line), 251u + 21u);
  for (const ui::DrawItem& item : Curve()->canvas.Items()) {
    if (item.kind == Kind::Point || (item.kind == Kind::Line && item.style == kSolid)) {
      EXPECT_EQ(item.y1, 43);
    }
  }
  EXPECT_EQ(Count(Kind::Text), 10u + 4u + 21u * 8u);
}

TEST_F(Form4Test, AMissingOrShortLuckRecordDrawsNothingAndAMissingCycleTableOnlyTheFrame) {
  auto said = [this] {
    std::vector<std::string> texts;
    for (const auto& m : platform.messages) texts.push_back(m.text);
    platform.messages.clear();
    return texts;
  };
  using Texts = std::vector<std::string>;
  std::filesystem::remove(folder / "BIGFOR");
  Open();
  ASSERT_TRUE(Shown(Curve()));
  EXPECT_TRUE(Curve()->canvas.Items().empty());
  EXPECT_EQ(said(), Texts{"資料檔讀取錯誤：BIGFOR"});
  folder.Write("BIGFOR", "58,5,12, 3, 7.41, 6, 6, 1, 3\r\n");
  Click(*Curve(), "Command25");
  EXPECT_TRUE(Curve()->canvas.Items().empty());
  EXPECT_EQ(said(), Texts{"資料檔讀取錯誤：BIGFOR"});
  natal::WriteBigFor(fixture::RecordStartingAt(7.41));
  std::filesystem::remove(folder / "SIXTY.DAT");
  Click(*Curve(), "Command25");
  ASSERT_EQ(Curve()->canvas.Items().size(), 1u);
  EXPECT_EQ(Curve()->canvas.Items()[0].kind, Kind::Box);
  EXPECT_FALSE(std::filesystem::exists(folder / "fortune.PRN"));
  EXPECT_EQ(said(), Texts{"資料檔讀取錯誤：SIXTY.DAT"});
  Click(*Curve(), "list_fortune");
  EXPECT_TRUE(List()->C("list_fortune").items.empty());
  EXPECT_EQ(said(), Texts{"資料檔讀取錯誤：fortune.PRN"});
}

}  // namespace
}  // namespace qm::fortune
