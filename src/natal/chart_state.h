#pragma once
// The state of one drawing of the natal analysis: what it starts from, where it prints, and the
// values each step leaves for the later steps of the same drawing. Nothing here outlives the
// drawing except what the steps write to files.
#include <array>
#include <optional>
#include <string>

#include "calendar/calendar.h"
#include "natal/late_layout.h"
#include "ui/canvas.h"

namespace qm::natal {

// What the analysis starts from: the pillars and life palace of the moment, the moment itself,
// its lunar date (none before the tables begin), the SexCode and the special-luck flag.
struct ChartInputs {
  Pillars pillars;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;  // the working date (RocYear ...)
  std::optional<LunarDate> lunar;
  std::string sex;      // "M" or "F"
  std::string special;  // "Y" or "N"
};

// Where and what the steps print, so that other windows can run the same steps in their own
// layouts. The natal chart window's layout is the default.
struct ChartLayout {
  // Pillar columns, year, month, day, hour (right to left on the natal chart window).
  std::array<double, 4> columns = {77, 70, 63, 56};

  // The header clears the window and sets this scale; a window that draws the chart inside a
  // larger drawing turns it off. The natal chart window's scale reaches row 26 so that its rows
  // 24 and 25 show.
  bool clearAndScale = true;
  ui::Scale scale{0, -0.5, 87, 26};
  bool dateLines = true;  // the Gregorian and lunar lines of the header
  PrintPlace sex{32, 21}, lifePalace{35, 21}, solarLine{32, 22}, lunarLine{32, 23};

  // The rows of the items down each pillar column. A two-character word takes its row and the
  // next; the hidden stems take three rows (stem, element, weight).
  struct Rows {
    double tenGod = 2, element = 5, state = 6, stem = 8, branch = 9;
    double hiddenStems = 11, hiddenTenGods = 14, stageState = 16, stageWord = 17;
  } rows;
  PrintPlace seasonLabel{68, 10};

  // The whole strength table with its element lines, moved by this much.
  PrintPlace strengthTableShift{0, 0};

  LateStepsLayout late;
};

// One slot of a hidden-stem record: its text (stem and element, or empty) and its weight as
// the file writes it.
struct HiddenSlot {
  std::string text;
  std::string weight;
};
using HiddenStemRecord = std::array<HiddenSlot, 3>;

enum class LuckDirection { Forward, Backward, None };

// A month-opening solar term: its month index 1..12 and its RocYear.
struct JieRef {
  int month = 0;
  int year = 0;
};

struct Chart {
  Chart(ui::Canvas& canvas, ChartInputs inputs, ChartLayout layout = {})
      : canvas(canvas), in(std::move(inputs)), layout(layout) {}

  ui::Canvas& canvas;
  ChartInputs in;
  ChartLayout layout;

  // Left by the header and pillar steps.
  std::array<int, 8> pillarList{};  // stems first: year, month, day, hour stem, then branches
  int monthStateSeason = 0;

  // Left by the hidden-stem and stage steps; index 1..12 (branch), pillars 0..3.
  std::array<HiddenStemRecord, 13> branchHiddenStems{};
  std::array<HiddenStemRecord, 4> pillarHiddenStems{};
  std::array<std::array<int, 13>, 11> stageBranchTable{};  // [stem 1..10][stage 1..12] = branch

  // Left by the stem counts and weights; index 1..10 (stem).
  std::array<int, 11> principalStemCount{};
  std::array<int, 11> fullStemCount{};
  std::array<double, 11> weightedStemCount{};
  std::array<double, 11> stemWeight{};
  std::array<double, 11> stemShare{};
  double totalStemWeight = 0;
  std::array<std::array<double, 13>, 11> monthlyStemWeight{};  // [stem 1..10][branch 1..12]

  // Left by the pillar scores for the yin-yang balance; the eight items stems first.
  std::array<int, 8> balanceScore{};
  std::array<bool, 8> balanceInSeason{};

  // Left by the luck start for the month commander and the luck pillars. Distances are kept in
  // whole minutes and turned into days only where a decimal is printed or written.
  JieRef previousJie, nextJie;
  long minutesSincePreviousJie = 0;
  long minutesToNextJie = 0;
  LuckDirection luckDirection = LuckDirection::None;
  double luckStartAge = 0;
  int startYears = 0, startMonths = 0, startDays = 0;
};

}  // namespace qm::natal
