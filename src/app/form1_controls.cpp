// The controls of the start screen: captions, default texts, lists, twips positions, fonts
// and colours.
#include <array>
#include <string>
#include <vector>

#include "app/form1.h"
#include "base/names.h"
#include "ui/control_builders.h"

namespace qm::app {
namespace {

using ui::ControlKind;

constexpr ui::Colour kScreenBack = 0x00C0FFFF;
constexpr ui::Colour kSeparatorBlue = 0x00C00000;
constexpr ui::Colour kButtonBack = 0x00C0E0FF;
constexpr ui::Colour kPinkBack = 0x00FFC0FF;
constexpr ui::Colour kYellowBack = 0x0000FFFF;

const ui::Font kLabelFont{"新細明體", 11.25};
const ui::Font kTitleFont{"細明體", 11.25};
const ui::Font kSmallLabelFont{"細明體", 9.75};
const ui::Font kListFont{"細明體", 9.75};
const ui::Font kBoxFont{"新細明體", 9.75};
const ui::Font kButtonFont{"新細明體", 9};
const ui::Font kBigButtonFont{"新細明體", 12};
const ui::Font kQuitFont{"標楷體", 14.25};
// The positions were made for a font whose blanks and Latin signs are narrower than those of
// AR PL UMing, which draws them half as wide as a Chinese character. Where a label's neighbours
// leave it too little room for its caption in that font, the label takes a smaller size.
const ui::Font kNarrowLabelFont{"新細明體", 10.5};
const ui::Font kSmallerLabelFont{"新細明體", 9.75};
// 156 dashes across the 792 pixels of the window.
const ui::Font kSeparatorFont{"新細明體", 7.5};

using ui::Button;
using ui::MakeControl;
using ui::Place;

ui::Control Label(std::string name, std::string caption, Place at, ui::Font font = kLabelFont) {
  return ui::Label(std::move(name), std::move(caption), at, std::move(font), kScreenBack);
}

ui::Control List(std::string name, std::string text, std::vector<std::string> items, Place at,
                 ui::Font font = kListFont) {
  ui::Control c = MakeControl(std::move(name), ControlKind::ComboBox, std::move(text), at,
                       std::move(font), ui::kWhite);
  c.items = std::move(items);
  return c;
}

ui::Control TextBox(std::string name, Place at) {
  return MakeControl(std::move(name), ControlKind::TextBox, "", at, kBoxFont, ui::kWhite);
}

std::vector<std::string> Numbers(int first, int last) {
  std::vector<std::string> items;
  for (int n = first; n <= last; ++n) items.push_back(std::to_string(n));
  return items;
}

// "1 (1912)" to "120 (2031)"; the first item carries two trailing blanks and the 48th one.
std::vector<std::string> YearItems() {
  std::vector<std::string> items;
  for (int k = 1; k <= 120; ++k) {
    std::string item = std::to_string(k) + " (" + std::to_string(1911 + k) + ")";
    if (k == 1) item += "  ";
    if (k == 48) item += " ";
    items.push_back(item);
  }
  return items;
}

template <std::size_t N>
std::vector<std::string> NamesOf(const std::array<std::string_view, N>& names) {
  return {names.begin() + 1, names.end()};
}

// The five roles of section 3: list name, label name, label captions and defaults of index 0
// and 1, left of the label (the list stands 600 twips to its right).
struct Role {
  const char* list;
  const char* label;
  const char* captions[2];
  const char* defaults[2];
  int left;
};
constexpr std::array<Role, 5> kRoles = {{
    {"用", "Label21", {"用神1", "用神2"}, {"甲木", "乙木"}, 600},
    {"喜", "Label22", {"喜神1", "喜神2"}, {"丙火", "丁火"}, 2160},
    {"閒", "Label23", {"閒神1", "閒神2"}, {"燥土", "溼土"}, 3720},
    {"仇", "Label24", {"仇神1", "仇神2"}, {"庚金", "辛金"}, 5280},
    {"忌", "Label25", {"忌神1", "忌神2"}, {"壬水", "癸水"}, 6840},
}};
constexpr std::array<int, 2> kRoleTops = {4560, 4920};

// The pillar lists of section 4: stem list, branch list, left of the stem list.
struct PillarLists {
  const char* stem;
  const char* branch;
  int left;
};
constexpr std::array<PillarLists, 4> kPillarLists = {{
    {"古年干", "古年支", 480},
    {"古月干", "古月支", 1920},
    {"古日干", "古日支", 3360},
    {"古時干", "古時支", 4800},
}};

std::string Indexed(const char* name, int index) {
  return std::string(name) + "(" + std::to_string(index) + ")";
}

}  // namespace

void Form1::AddControls() {
  // The four separator lines between the sections.
  const std::array<int, 4> separatorTops = {2160, 3720, 6000, 7560};
  for (int i = 0; i < 4; ++i) {
    ui::Control& line = Add(Label(Indexed("分隔線", i), std::string(156, '-'),
                                  {0, separatorTops[i], 11880, 255}, kSeparatorFont));
    line.foreColor = kSeparatorBlue;
  }

  // Section 1.
  Add(Label("Label2", "1. 輸入出生日期：", {360, 240, 2175, 255}, kTitleFont));
  // Three pixels wider than 1335 twips, so that "100 (2011)" clears the arrow.
  Add(List("曆年", "民國/西元", YearItems(), {720, 720, 1380, 315}));
  Add(List("曆月", "月", Numbers(1, 12), {2160, 720, 735, 315}));
  Add(List("曆日", "日", Numbers(1, 31), {3000, 720, 735, 315}));
  Add(List("曆時", "時", Numbers(0, 23), {3840, 720, 735, 315}));
  Add(List("曆分", "分", Numbers(0, 59), {4680, 720, 735, 315}));
  Add(Label("Label14", "性別:", {5760, 720, 615, 255}));
  Add(List("SEX", "男", {"男", "女"}, {6480, 720, 735, 315}));
  Add(Label("Label12", "  特別起運法(作十歲起運) :", {7560, 720, 1455, 555}, kSmallerLabelFont));
  Add(List("specialfate", "否", {"是", "否"}, {9000, 720, 735, 315}));
  Add(Label("Label11", "曆法:", {720, 1320, 735, 255}));
  Add(List("SUNMOON", "陽曆(國曆)", {"陽曆(國曆)", "陰曆(農曆)"}, {1320, 1320, 1455, 315}));
  Add(Label("閨", "  農曆閏月:", {3000, 1320, 1215, 255}, kNarrowLabelFont));
  Add(List("LU", "否", {"是", "否"}, {4200, 1320, 735, 315}));
  Add(Label("Label10", "存新檔名：", {5760, 1320, 1215, 255}));
  Add(TextBox("newname", {6840, 1320, 1335, 285}));
  Add(Button("Command2", "按鈕啟動", {8400, 1320, 1095, 375}, kButtonFont, kButtonBack));
  Add(Label("Label4", "(務必輸入）", {6960, 1800, 1215, 255}, kSmallLabelFont));

  // Section 2.
  Add(Label("Label1", "2. 直接輸入舊檔名:  (輸入檔名後，選按 A 或 B 或 C 鈕起動）",
            {360, 2520, 7215, 255}, kTitleFont));
  Add(TextBox("oldname", {1080, 3000, 1455, 315}));
  Add(Button("Command1", "A.排詳細四柱命盤", {2880, 3000, 1695, 375}, kButtonFont, kButtonBack));
  Add(Button("Command3", "B.排大運.流年.流月", {4800, 3000, 1695, 375}, kButtonFont,
             kButtonBack));
  Add(Button("Command5", "C.紫微八字共盤", {6720, 2880, 2175, 495}, kBigButtonFont, kPinkBack));

  // Section 3.
  Add(Label("Label18",
            "3. 繪大運趨勢圖   (選出用.喜.閒.仇.忌各神的五行,需各選兩個,十個都要選不可重覆)",
            {360, 4080, 10935, 255}));
  for (const Role& role : kRoles) {
    for (int i = 0; i < 2; ++i) {
      Add(Label(Indexed(role.label, i), role.captions[i], {role.left, kRoleTops[i], 615, 255}));
      Add(List(Indexed(role.list, i), role.defaults[i], NamesOf(kElementKindNames),
               {role.left + 600, kRoleTops[i], 855, 315}));
    }
  }
  Add(Button("Command運勢圖", "按鈕啟動", {8400, 4680, 1095, 375}, kButtonFont, kButtonBack));
  Add(Label("Label5",
            "地支屬性:  戌未屬戊燥土, 辰丑屬己溼土, 寅甲木, 卯乙木, 巳丙火, 午丁火, 申庚金, "
            "酉辛金, 亥壬水, 子癸水",
            {600, 5520, 6150, 480}));  // two lines, broken after "卯乙木, "

  // Section 4.
  Add(Label("Label6", "4. 直接輸入干支 （學習古書命例之用）", {360, 6360, 5415, 255}));
  Add(Label("Label7", " 年干  年支   月干  月支    日干  日支    時干  時支", {480, 6840, 5775, 255},
            kSmallLabelFont));
  // A stem list already reaches its branch list, so a character clears the arrow only in the
  // lists' common size; the branch list takes the same size as its stem.
  for (const PillarLists& pillar : kPillarLists) {
    Add(List(pillar.stem, "甲", NamesOf(kStemNames), {pillar.left, 7080, 615, 345}));
    Add(List(pillar.branch, "子", NamesOf(kBranchNames), {pillar.left + 600, 7080, 615, 345}));
  }
  Add(Label("Label9", "性別:", {6600, 6840, 615, 255}));
  Add(List("性別", "男", {"男", "女"}, {6600, 7080, 735, 315}));
  Add(Label("Label8", " 幾歲起運 :", {7680, 7080, 1185, 255}, kNarrowLabelFont));
  Add(List("幾歲運", "1", Numbers(1, 10), {8880, 7080, 735, 315}));
  Add(Button("Command4", "按鈕啟動", {9840, 7080, 1095, 375}, kButtonFont, kButtonBack));

  // Bottom row.
  ui::Control option =
      MakeControl("Option1", ControlKind::OptionButton, "六爻卦占卜", {480, 7920, 1575, 495},
           kBigButtonFont, kPinkBack);
  Add(option);
  Add(Button("cmd_quit", "結束本程式", {8880, 7920, 1815, 615}, kQuitFont, kYellowBack));
}

}  // namespace qm::app
