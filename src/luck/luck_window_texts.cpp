#include "luck/luck_window_texts.h"

#include <string>

#include "base/names.h"
#include "base/number_text.h"
#include "base/pillar.h"
#include "base/utf8.h"
#include "calendar/month_rules.h"

namespace qm::luck {
namespace {

std::string Text(std::string_view text) { return std::string(text); }

}  // namespace

void PrintFlowDateHeader(ui::Canvas& canvas, int flowYear, int flowMonth, long realAgeMonths) {
  canvas.PrintAt(35, 0.1, "流月    流年    大運");
  const std::string age = RecordNumber(static_cast<double>(realAgeMonths) / 12).substr(0, 6);
  canvas.PrintAt(34, 1,
                 "(" + Text(LastChars(RecordNumber(flowMonth), 2)) + ")月 (" +
                     Text(LastChars(RecordNumber(flowYear), 3)) + ")年  (" + age +
                     ")歲(實歲)");
}

void PrintJieBox(ui::Canvas& canvas, int flowMonth) {
  const std::string_view jie = kJieNames[static_cast<std::size_t>(CheckedBranch(flowMonth))];
  canvas.PrintAt(38.1, 3.68, "┌┐");
  canvas.PrintAt(38.95, 4.3, CharOf(jie, 0));
  canvas.PrintAt(38.95, 5, CharOf(jie, 1));
  canvas.PrintAt(38.1, 5.7, "└┘");
}

void PrintBirthDateLine(ui::Canvas& canvas, const Moment& birth) {
  canvas.PrintAt(1, 16,
                 "國曆" + RecordNumber(birth.year) + "/" + RecordNumber(birth.month) + "/" +
                     RecordNumber(birth.day) + " " + RecordNumber(birth.hour) + ":" +
                     RecordNumber(birth.minute) + "生");
}

// Left of the relation list at x 23, whose 20th line shares the row: at x 25 the two would be
// written into each other whenever the list is that long.
void PrintTenYearStartMark(ui::Canvas& canvas) { canvas.PrintAt(16, 21, "(作十歲)"); }

void PrintStemTableFrame(ui::Canvas& canvas) {
  canvas.PrintAt(2, 2, "      大 流 流   比");
  canvas.PrintAt(2, 3, "      運 年 月   重");
  for (int s = 1; s <= 10; ++s)
    canvas.PrintAt(4, s + 3, FormatText(kStemNames[static_cast<std::size_t>(s)], "@@"));
  canvas.PrintAt(1, 14, "---------------------");
}

void PrintElementLines(ui::Canvas& canvas, const std::array<int, 7>& stems,
                       const std::array<int, 7>& branches) {
  for (int e = 1; e <= 5; ++e) {
    std::string stemChars, branchChars;
    for (std::size_t k = 7; k-- > 0;) {
      if (IsStem(stems[k]) && StemElement(stems[k]) == e) stemChars += StemText(stems[k]);
      if (BranchElement(branches[k]) == e) branchChars += BranchText(branches[k]);
    }
    canvas.PrintAt(37, 19 + e, Text(kElementNames[static_cast<std::size_t>(e)]) + ": " + stemChars);
    if (!branchChars.empty()) canvas.PrintAt(51, 19 + e, branchChars);
  }
}

}  // namespace qm::luck
