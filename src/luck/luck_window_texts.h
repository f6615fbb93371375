#pragma once
// The texts that only the luck window writes: the flowing-date header with the real age, the
// solar-term box of the flowing month, the birth-date line, the mark of the special luck start,
// the frame of the stem table and the element lines.
#include <array>

#include "calendar/pillars.h"
#include "ui/canvas.h"

namespace qm::luck {

// "流月    流年    大運" and under it the stepped date with the real age: May of 94 at 21 years
// 2 months gives "( 5)月 ( 94)年  ( 21.16)歲(實歲)".
void PrintFlowDateHeader(ui::Canvas& canvas, int flowYear, int flowMonth, long realAgeMonths);

// The two characters of the flowing month's 節 one above the other between "┌┐" and "└┘":
// 立 over 春 in February.
void PrintJieBox(ui::Canvas& canvas, int flowMonth);

// "國曆 73/ 5/ 12  8: 30生" for a birth at 8:30 on 12 May of RocYear 73.
void PrintBirthDateLine(ui::Canvas& canvas, const Moment& birth);

// The luck window's own mark of a luck counted from ten, beside the shared "借十歲起運".
void PrintTenYearStartMark(ui::Canvas& canvas);

// The headings 大運 流年 流月 比重 over the letter columns, each stem right-aligned in two
// places, and the rule under the table.
void PrintStemTableFrame(ui::Canvas& canvas);

// For each element, the stems and then the branches of the columns that belong to it, taken
// from 流月 to 年 (left to right on the chart): "木: 甲乙甲甲" at (37, 20), "卯寅" at (51, 20);
// an element no branch holds has nothing at x = 51, and a column without a pillar adds nothing.
void PrintElementLines(ui::Canvas& canvas, const std::array<int, 7>& stems,
                       const std::array<int, 7>& branches);

}  // namespace qm::luck
