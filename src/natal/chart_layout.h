#pragma once
// Where the steps of a natal chart print. The defaults are the natal chart window's places; the
// window of entered pillars, the luck window and the combined chart give their own. A place a
// layout leaves empty (std::nullopt) is an item that layout does not show.
#include <array>
#include <optional>
#include <string_view>

#include "ui/canvas.h"

namespace qm::natal {

struct PrintPlace {
  double x = 0, y = 0;
};

struct ChartLayout {
  // The scale the drawing clears the window to. The natal chart window's scale reaches row 26
  // so that its rows 24 and 25 show.
  ui::Scale scale{0, -0.5, 87, 26};
  PrintPlace sex{32, 21}, lifePalace{35, 21}, solarLine{32, 22}, lunarLine{32, 23};

  // The rows of the items down each column. A two-character word takes its row and the next.
  struct Rows {
    double tenGod = 2, element = 5, state = 6, stem = 8, branch = 9;
    // A hidden stem's character, then the last character of its text and its weight below it.
    double hiddenStems = 11;
    std::optional<double> hiddenStemLastChar = 12, hiddenStemWeight = 13;
    double hiddenTenGods = 14;
    // The day stem's stage: its state in parentheses one unit left of the column, its word.
    std::optional<double> stageState = 16;
    double stageWord = 17;
  } rows;
  std::optional<PrintPlace> seasonLabel = PrintPlace{68, 10};

  // The strength table with its element lines, its top left corner moved by this much.
  PrintPlace strengthTableShift{0, 0};
  // The x of the seasonal state on each element line, before that shift.
  double elementStateX = 34;

  // The pillar scores and the nayin marks stand this far right of their column.
  double besideColumn = 2;

  struct Balance {
    PrintPlace purePolarity{46, 21};
    // The first character of each stage-pair word; the second stands one row lower. Pairs: year
    // branch-year stem, month-month, hour-hour, month branch-hour stem, hour branch-month stem,
    // month branch-year stem, hour branch-year stem.
    std::array<PrintPlace, 7> stagePairs = {
        {{79, 2}, {72, 2}, {58, 2}, {54, 3}, {68, 3}, {75, 3}, {75, 6}}};
    std::array<double, 2> scoreRows = {8, 9};  // stem score, branch score
    PrintPlace yinYangBalance{27, 17};
  } balance;

  struct Luck {
    PrintPlace exchangeLine{1, 17};
    PrintPlace startLine{1, 18};
    PrintPlace birthLine{1, 19};
    // The birth line's font size where it must be smaller than the window's (none: the same).
    std::optional<double> birthLineSize;
    PrintPlace specialLine{1, 20};  // "借十歲起運" when the special start applies
    // Luck pillar k stands at firstStemX - 3(k - 1); its age and the separator after it stand
    // ageDx and separatorDx from that x.
    double firstStemX = 29;
    double ageDx = -1;
    double separatorDx = -1;
    std::array<double, 3> rows = {21, 22, 23};  // age, stem, branch
    std::string_view separator = "-";
    // Added to the start age before its whole part is taken: the natal chart takes a fractional
    // start age to the nearest year; a typed start age is cut down (0).
    double ageRounding = 0.5;
  } luck;

  struct DayMaster {
    PrintPlace stemStages{7, 4};  // the mark of 甲; each later stem one row lower
    PrintPlace strength{27, 15};
    PrintPlace standard{27, 16};
    // What ends the labels of the strength and the standard, right before their values.
    std::string_view labelEnd = ": ";
    PrintPlace nineImmortals{27, 18};
    std::array<double, 2> nayinRows = {6, 7};  // element, stage letter
  } dayMaster;
};

}  // namespace qm::natal
