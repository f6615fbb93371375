#pragma once
#include "natal/chart_state.h"

namespace qm::natal {

// The whole natal analysis of one chart, step by step in its fixed order, printed on
// chart.canvas at the places of chart.layout; writes BIGFOR when the layout asks for it. A
// failing step throws qm::Failure and leaves what the earlier steps printed.
void DrawPillarChart(Chart& chart);

}  // namespace qm::natal
