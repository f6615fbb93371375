#pragma once
#include "natal/chart.h"

namespace qm::natal {

// The natal chart window's analysis of one chart: its printing steps in their fixed order,
// BIGFOR written on the way. A failing step throws qm::Failure and leaves what the earlier
// steps printed.
void DrawPillarChart(Chart& chart);

}  // namespace qm::natal
