#pragma once
#include "ziwei/ziwei_chart.h"

namespace qm::ziwei {

// The Zi Wei chart of one drawing, step by step in its fixed order: the grid and header, the
// palaces and the bureau, the stars in their order of entry, then masters, brightness, stages
// and the body palace mark. A failing step throws qm::Failure and leaves what the earlier steps
// printed.
void DrawZiWeiChart(ZiWeiChart& chart);

}  // namespace qm::ziwei
