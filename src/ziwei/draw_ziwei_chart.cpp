#include "ziwei/draw_ziwei_chart.h"

#include "ziwei/auxiliary_stars.h"
#include "ziwei/chart_frame.h"
#include "ziwei/main_stars.h"
#include "ziwei/masters_and_stages.h"
#include "ziwei/month_stars.h"
#include "ziwei/palaces.h"
#include "ziwei/star_slots.h"
#include "ziwei/year_branch_stars.h"

namespace qm::ziwei {

void DrawZiWeiChart(ZiWeiChart& chart) {
  DrawZiWeiGrid(chart);
  PrintChartHeader(chart);
  ReadSlotLayout(chart);
  PrintBranchLabels(chart);
  PrintPalaceStems(chart);
  FindLifeAndBodyPalaces(chart);
  PrintPalaceNames(chart);
  PrintFiveElementBureau(chart);

  DrawDecadeRanges(chart);
  const ZiWeiPositionTable positions = ReadZiWeiPositionTable();
  const int ziWeiCell = PlaceZiWeiGroup(chart, positions);
  RebuildNextFreeSlot(chart);
  PlaceTianFuGroup(chart, ziWeiCell);

  PlaceAuxiliaryStars(chart);
  MarkFourTransformations(chart);
  PlaceJieKongAndMonthStars(chart);
  PlaceYearBranchStars(chart);
  PlaceCountedStars(chart);

  PrintPalaceMasters(chart);
  const BrightnessTable brightness = ReadBrightnessTable();
  PrintStarBrightness(chart, brightness);
  PrintPalaceStages(chart);
  MarkBodyPalace(chart);
}

}  // namespace qm::ziwei
