#pragma once
// The readers of the chart tables of the program folder. Each reads its file afresh, whole, and
// releases it before returning; a missing or short file, or a value that is not what the table
// holds, throws a qm::Failure of that file.
#include <array>

#include "natal/chart_rules.h"

namespace qm::natal {

// 地支藏干.DAT: per branch 子..亥 three slots of (text, weight), each kept as written; index
// 1..12.
HiddenStemTable ReadHiddenStemTable();

// 干週行支.DAT: per stem 甲..癸 the branch of each stage 長生..養. A row that does not hold
// each of the twelve branches once is refused.
StageTable ReadStageBranchTable();

// 天干當令.DAT: per stem 甲..癸 its monthly weight in each month branch 子..亥.
MonthlyStemWeights ReadMonthlyStemWeights();

}  // namespace qm::natal
