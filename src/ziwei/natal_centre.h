#pragma once
// The natal centre of the combined chart: the four pillars of the working moment analysed by
// the natal chart's own steps, reduced to what fits the merged centre of the Zi Wei grid and
// the band of rows above it.
#include <string_view>

#include "calendar/calendar.h"
#include "calendar/pillars.h"
#include "ui/canvas.h"

namespace qm::ziwei {

// Prints the centre of the pillars and life palace of a moment on a canvas already set to the
// combined chart's scale: the pillars with their ten gods, hidden stems, scores and nayin, the
// share of each stem and element, the luck start and the ten luck pillars, the balance, the
// day-master strength and the nine immortals. The luck starts from the distance to the 節 alone
// (no special start), and no file is written. A missing or short table throws qm::Failure and
// leaves what was printed.
void DrawNatalCentre(ui::Canvas& canvas, const Pillars& pillars, const Moment& moment,
                     std::string_view sex);

}  // namespace qm::ziwei
