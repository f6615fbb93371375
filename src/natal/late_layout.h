#pragma once
// Where the later steps of a natal chart drawing print. The defaults are the natal chart
// window's places; the luck window, the window of entered pillars and the combined chart set
// their own.
#include <array>
#include <string_view>

namespace qm::natal {

struct PrintPlace {
  double x = 0, y = 0;
};

struct LateStepsLayout {
  PrintPlace purePolarity{46, 21};
  // The first character of each stage-pair word; the second stands one row lower. Pairs: year
  // branch-year stem, month-month, hour-hour, month branch-hour stem, hour branch-month stem,
  // month branch-year stem, hour branch-year stem.
  std::array<PrintPlace, 7> stagePairs = {
      {{79, 2}, {72, 2}, {58, 2}, {54, 3}, {68, 3}, {75, 3}, {75, 6}}};
  // The pillar scores and the nayin marks stand this far right of their pillar column.
  double besideColumn = 2;
  std::array<double, 2> scoreRows = {8, 9};  // stem score, branch score
  PrintPlace yinYangBalance{27, 17};

  PrintPlace exchangeLine{1, 17};
  PrintPlace startLine{1, 18};
  PrintPlace birthLine{1, 19};
  PrintPlace specialLine{1, 20};
  bool specialLuckRule = true;  // "借十歲起運" when a 節 lies within 1.6666 days
  // Luck pillar k stands at luckFirstStemX - 3(k - 1); its age and the separator after it
  // stand luckAgeDx and luckSeparatorDx from that x.
  double luckFirstStemX = 29;
  double luckAgeDx = -1;
  double luckSeparatorDx = -1;
  std::array<double, 3> luckRows = {21, 22, 23};  // age, stem, branch
  std::string_view luckSeparator = "-";
  bool writeLuckRecord = true;  // BIGFOR

  PrintPlace stemStages{7, 4};  // the mark of 甲; each later stem one row lower
  PrintPlace dayMasterStrength{27, 15};
  PrintPlace dayMasterStandard{27, 16};
  PrintPlace nineImmortals{27, 18};
  std::array<double, 2> nayinRows = {6, 7};  // element, stage letter
};

}  // namespace qm::natal
