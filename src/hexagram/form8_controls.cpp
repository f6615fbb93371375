// The controls of the hexagram window: captions, items, twips positions, fonts.
#include <string>
#include <vector>

#include "base/names.h"
#include "hexagram/form8.h"
#include "ui/list_items.h"

namespace qm::hexagram {
namespace {

using ui::ControlKind;

const ui::Font kControlFont{"新細明體", 9.75};
// The title's box is 17 pixels high, too low for a larger 標楷體.
const ui::Font kTitleFont{"標楷體", 11.25, true};
// "存檔檔名" (49 pixels wide) fits its box only in a smaller font, and so do "自行輸入" and
// "電腦取卦" beside their round marks in 73 pixels; the options of the row share that one size.
const ui::Font kNarrowFont{"新細明體", 9};
// The line captions ("初爻", 25 pixels wide) stand right against their lists; in this size their
// ink keeps clear of the list's box.
const ui::Font kNarrowerFont{"新細明體", 8.25};

ui::Control WithFont(ui::Control control, const ui::Font& font) {
  control.font = font;
  return control;
}

struct Place {
  int left, top, width, height;
};

ui::Control Make(std::string name, ControlKind kind, std::string text, Place at,
                 std::vector<std::string> items = {}) {
  ui::Control c;
  c.name = std::move(name);
  c.kind = kind;
  c.text = std::move(text);
  c.items = std::move(items);
  c.left = at.left, c.top = at.top, c.width = at.width, c.height = at.height;
  c.font = kControlFont;
  c.backColor = kind == ControlKind::ComboBox || kind == ControlKind::TextBox ? ui::kWhite
                                                                              : 0xC0FFFF;
  return c;
}

// "73 (1984)" .. "120 (2031)".
std::vector<std::string> YearItems() {
  std::vector<std::string> items;
  for (int year = 73; year <= 120; ++year)
    items.push_back(std::to_string(year) + " (" + std::to_string(year + 1911) + ")");
  return items;
}

}  // namespace

void Form8::AddControls() {
  ui::Control title = Make("Label10", ControlKind::Label, "Quillmere 六爻卦占卜程式",
                           {4800, 120, 3615, 255});
  title.font = kTitleFont;
  Add(title);
  // The frame draws its line below its headings; standing 45 twips higher and 60 taller than
  // 5760 and 495, it runs a pixel above and a pixel below the row of options, not through it.
  Add(Make("Frame1", ControlKind::Frame,
           std::string(17, ' ') + "時間輸入方式" + std::string(67, ' ') + "功能選項" +
               std::string(25, ' '),
           {0, 5715, 11895, 555}));
  const auto option = [](std::string name, std::string caption, Place at) {
    return WithFont(Make(std::move(name), ControlKind::OptionButton, std::move(caption), at),
                    kNarrowFont);
  };
  Add(option("Option1", "當前時間", {480, 6000, 1215, 255}));
  Add(option("Option2", "自行輸入", {1680, 6000, 1095, 255}));
  Add(option("Option4", "干支輸入", {2880, 6000, 1215, 255}));
  // Four pixels wider than 1215 twips, into the free room before 電腦取卦, so that its five
  // characters fit in the row's size.
  Add(option("Option3", "舊檔案輸入", {6840, 6000, 1275, 255}));
  Add(option("Option7", "電腦取卦", {8160, 6000, 1095, 255}));
  // As high as the other options (180 twips cut the foot of the round mark and of the caption),
  // so that the whole row stands on one line.
  ui::Control& print = Add(option("Option6", "列 印", {9360, 6000, 855, 255}));
  print.clickWhenSelected = true;  // chosen again, it prints again
  Add(option("Option5", "結束本系統", {10320, 6000, 1455, 255}));

  const std::vector<std::string> lineItems = {"─ 少陽", "Ｏ 老陽", "-- 少陰", "Ｘ 老陰"};
  const std::array<const char*, 6> lineNames = {"初爻", "二爻", "三爻", "四爻", "五爻", "六爻"};
  for (int k = 0; k < 6; ++k) {
    Add(WithFont(Make("Label" + std::to_string(k + 1), ControlKind::Label, lineNames[k],
                      {360 + 1560 * k, 6360, 375, 255}),
                 kNarrowerFont));
    // A line list is 120 twips wider than 975, so that "─ 少陽" clears its arrow. The top line's
    // list would then run into 按鈕啟動: it takes the smaller font, in which 1035 twips suffice.
    const bool top = k == 5;
    Add(WithFont(Make(lineNames[k], ControlKind::ComboBox, "─ 少陽",
                      {720 + 1560 * k, 6360, top ? 1035 : 1095, 300}, lineItems),
                 top ? kNarrowFont : kControlFont));
  }
  Add(Make("Command1", ControlKind::Button, "按鈕啟動", {9600, 6360, 975, 375}));

  Add(Make("Label9", ControlKind::Label, " 年干  年支   月干  月支    日干  日支    時干  時支",
           {360, 6840, 5535, 255}));
  const std::array<const char*, 8> pillarLists = {"古年干", "古年支", "古月干", "古月支",
                                                  "古日干", "古日支", "古時干", "古時支"};
  const std::array<int, 8> pillarLefts = {360, 960, 1800, 2400, 3240, 3840, 4680, 5280};
  for (int i = 0; i < 8; ++i) {
    const bool stem = i % 2 == 0;
    const bool defaultsToZi = i == 3 || i == 5;  // 古月支 and 古日支 start on 子
    Add(Make(pillarLists[i], ControlKind::ComboBox, defaultsToZi ? "子" : "",
             {pillarLefts[i], 7080, 615, 345},
             stem ? ui::NameItems(kStemNames) : ui::NameItems(kBranchNames)));
  }
  Add(Make("Command4", ControlKind::Button, "按鈕啟動", {6000, 7080, 1095, 375}));

  Add(Make("Label7", ControlKind::Label, "輸入檔名", {7320, 6960, 855, 255}));
  Add(Make("oldname", ControlKind::TextBox, "", {8280, 6960, 1215, 315}));
  Add(Make("Command3", ControlKind::Button, "按鈕啟動", {9600, 6960, 975, 375}));

  // Three pixels wider than 1335 twips, so that "100 (2011)" clears the arrow.
  Add(Make("曆年", ControlKind::ComboBox, "民國/西元", {360, 7560, 1380, 315}, YearItems()));
  Add(Make("曆月", ControlKind::ComboBox, "月", {1800, 7560, 735, 315}, ui::NumberItems(1, 12)));
  Add(Make("曆日", ControlKind::ComboBox, "日", {2640, 7560, 735, 315}, ui::NumberItems(1, 31)));
  Add(Make("曆時", ControlKind::ComboBox, "時", {3480, 7560, 735, 315}, ui::NumberItems(0, 23)));
  Add(Make("曆分", ControlKind::ComboBox, "分", {4320, 7560, 735, 315}, ui::NumberItems(0, 59)));
  Add(WithFont(Make("Label8", ControlKind::Label, "存檔檔名", {5160, 7560, 735, 255}), kNarrowFont));
  Add(Make("newname", ControlKind::TextBox, "", {6000, 7560, 1215, 270}));
  Add(Make("Command2", ControlKind::Button, "按鈕啟動", {7320, 7560, 975, 375}));
}

}  // namespace qm::hexagram
