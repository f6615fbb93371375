#pragma once
// The natal analysis of four pillars entered as stems and branches, with no birth date: the
// natal chart's steps in a layout of their own, without the birth lines, the life palace, the
// luck start and the month commander, the luck counted from a typed age.
#include <string>
#include <string_view>

#include "calendar/calendar.h"
#include "natal/chart.h"

namespace qm::direct {

// The SexCode of the start screen's sex text: "M" for "男" itself, "F" for any other text.
std::string SexCodeOfText(std::string_view text);

// The luck start age of the start screen's text: its leading number, fraction included; 0 when
// it begins with none. "3.5" gives 3.5, "abc" 0.
double StartAgeOfText(std::string_view text);
// A start age the chart is drawn for: from 0 to 100 years. An age past them (309 typed digits
// read as infinity, a minus sign) would print ages of no life, or "inf".
bool IsDrawnStartAge(double age);

// The natal chart's places in a scale two rows taller, (0,-0.5)-(87,26.5); the ages over the luck
// pillars cut down from the typed start age, nothing added.
natal::ChartLayout EnteredPillarsLayout();

// The chart of the entered pillars (their life palace unused) for the SexCode, its luck starting
// at the given age in the direction of the year stem and the sex.
natal::Chart EnteredPillarChart(ui::Canvas& canvas, const Pillars& pillars,
                                const std::string& sexCode, double startAge);

// The analysis in its order, BIGFOR written on the way with empty date fields. A failing step
// (a missing table, a pillar never chosen) throws qm::Failure and leaves what was printed.
void DrawEnteredPillarChart(natal::Chart& chart);

}  // namespace qm::direct
