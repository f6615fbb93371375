#pragma once
// 胎元 and 胎息: the pillars of conception and breath, derived from the month and day pillars.
#include <string>

#include "stars/star_rule.h"
#include "ui/canvas.h"

namespace qm::stars {

// 胎元: the stem after the month stem and the branch three after the month branch: 丙寅 -> 丁巳.
Pillar ConceptionPillar(Pillar month);
// 胎息: the combining partners of the day stem (five on) and of the day branch (六合):
// 甲子 -> 己丑.
Pillar BreathPillar(Pillar day);

// "胎元:" with the conception pillar at (3, 24), then "胎息:" with the breath pillar at (12, 24).
void PrintConceptionAndBreath(ui::Canvas& canvas, Pillar month, Pillar day);

}  // namespace qm::stars
