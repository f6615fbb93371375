#include "ziwei/chart_frame.h"

#include <string>

#include "base/names.h"
#include "base/number_text.h"

namespace qm::ziwei {
namespace {

// Positions along a line, counted in tenths so that every one prints as written: 1.9, 2.9, ...
template <class Draw>
void Along(int firstTenths, int lastTenths, int stepTenths, Draw draw) {
  for (int t = firstTenths; t <= lastTenths; t += stepTenths) draw(t / 10.0);
}

}  // namespace

void DrawZiWeiGrid(ZiWeiChart& chart) {
  ui::Canvas& c = chart.canvas;
  c.Cls();
  c.SetScale(0, 0, kChartWidth, kChartHeight);
  c.Cls();
  c.PrintAt(1, 4, "┌");
  c.PrintAt(81, 4, "┐");
  c.PrintAt(1, 32, "└");
  c.PrintAt(81, 32, "┘");
  Along(19, 802, 10, [&](double x) {
    for (double y : {4, 11, 25, 32}) c.PrintAt(x, y, "─");
  });
  Along(19, 205, 10, [&](double x) {
    c.PrintAt(x, 18, "─");
    c.PrintAt(x + 60, 18, "─");
  });
  Along(45, 318, 5, [&](double y) {
    for (double x : {1, 21, 61, 81}) c.PrintAt(x, y, "│");
  });
  Along(45, 105, 5, [&](double y) {
    c.PrintAt(41, y, "│");
    c.PrintAt(41, y + 21, "│");
  });
  for (double y : {11, 18, 25}) c.PrintAt(1, y, "├");
  c.PrintAt(21, 18, "┤");
  for (double y : {11, 18, 25}) c.PrintAt(81, y, "┤");
  c.PrintAt(61, 18, "├");
}

void PrintChartHeader(ZiWeiChart& chart) {
  const ZiWeiInputs& in = chart.in;
  std::string line = "(陽" + LastDigits(in.year, 2) + "/" + LastDigits(in.month, 2) + "/" +
                     LastDigits(in.day, 2) + " 陰" + LastDigits(in.lunar.year, 2) + "/" +
                     std::to_string(static_cast<int>(in.lunar.month)) + "/" +
                     LastDigits(in.lunar.day, 2) + " " +
                     std::string(kBranchNames[in.pillars.HourBranch]) + "時)";
  if (in.lunar.leapFlag == "1") {
    // With " 閏月" the line runs into the luck start line at x 28. Two sizes smaller it ends
    // before it, the longest too (閏10 of 73 with a day of two digits).
    constexpr double kLeapHeaderSize = 9.75;
    chart.canvas.PrintAt(4.5, 2, line + " 閏月", kLeapHeaderSize);
  } else {
    chart.canvas.PrintAt(4.5, 2, line);
  }
  const std::string polarity = in.pillars.YearStem % 2 == 1 ? "陽" : "陰";
  if (in.sex == "M") chart.canvas.PrintAt(1, 2, polarity + "男");
  if (in.sex == "F") chart.canvas.PrintAt(1, 2, polarity + "女");
}

void PrintBranchLabels(ZiWeiChart& chart) {
  for (int cell = 1; cell <= 12; ++cell)
    chart.canvas.PrintAt(kCellCorners[cell].left + 18.5, LastLineOf(cell), kBranchNames[cell]);
}

}  // namespace qm::ziwei
