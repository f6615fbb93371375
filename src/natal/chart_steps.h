#pragma once
// The printing steps of a natal chart drawing. Each places on chart.canvas, at the places of
// chart.layout, what the rules give for chart's columns, and leaves in chart what later steps
// read; the steps over columns run over every column the chart lists, the others over the natal
// four. DrawPillarChart runs them all in the natal chart window's order; another window runs
// its own list. A missing or short table throws qm::Failure and leaves what was printed.
#include "natal/chart.h"

namespace qm::natal {

// The header: the window cleared to the layout's scale, the sex, the Gregorian and lunar lines.
void ClearToScale(Chart& chart);
void PrintSex(Chart& chart);
void PrintBirthDates(Chart& chart);

// Down the columns: stem and branch, the life palace, the seasonal states of the stems.
void PrintPillars(Chart& chart);
void PrintLifePalace(Chart& chart);
void ComputeSeasonalStates(Chart& chart);

// The hidden stems (reads 地支藏干.DAT), the ten gods, the ten gods of the hidden stems, the
// twelve stages of the day stem (reads 干週行支.DAT).
void ComputeHiddenStems(Chart& chart);
void ComputeTenGods(Chart& chart);
void ComputeHiddenStemTenGods(Chart& chart);
void ComputeTwelveStages(Chart& chart);

// The strength table: the stem counts, the weights (reads 天干當令.DAT), the element states
// and the ten gods of its rows.
void CountStems(Chart& chart);
// The weights of the stems in the birth month (reads 天干當令.DAT), left in the chart without
// printing; the weight and share steps below run it first.
void WeighChartStems(Chart& chart);
void ComputeStemWeights(Chart& chart);
void ComputeElementStates(Chart& chart);
void ComputeStemListTenGods(Chart& chart);
// In place of the strength table, where a chart has no room for it: the share of each stem and
// each element alone, on the table's rows (reads 天干當令.DAT).
void ComputeStemShareList(Chart& chart);

// The polarity mark, the stage pairs, the pillar scores and the yin-yang balance.
void PrintPurePolarity(Chart& chart);
void ComputePairStages(Chart& chart);
void ComputePillarScores(Chart& chart);
void ComputeYinYangBalance(Chart& chart);

// The luck start (reads SEG.DAT and BIG1.DAT), the month commander, the luck pillars, and the
// luck record BIGFOR.
void ComputeLuckStart(Chart& chart);
void PrintMonthCommander(Chart& chart);
void ComputeLuckPillars(Chart& chart);
void WriteLuckRecord(Chart& chart);

// The stem stages at the month branch, the day-master strength, the nine immortals and the
// nayin (reads 納音.DAT).
void ComputeStemStagesAtBranch(Chart& chart);
void ComputeDayMasterStrength(Chart& chart);
void ComputeNineImmortals(Chart& chart);
void LookupNayin(Chart& chart);

}  // namespace qm::natal
