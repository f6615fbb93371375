#include "luck/luck_chart_steps.h"

#include <string>

#include "base/life_stages.h"
#include "base/names.h"
#include "base/utf8.h"

namespace qm::luck {
namespace {

constexpr std::size_t kDay = 2;
// The flowing columns 運 歲 流月 and their letter columns in the stem table.
constexpr std::array<std::size_t, 3> kFlowingColumns = {4, 5, 6};
constexpr std::array<double, 3> kLetterX = {8, 11, 14};

// The stage of a stem at a branch, 0 when either is none.
int StageOf(const natal::StageTable& stages, int stem, int branch) {
  return IsStem(stem) && IsBranch(branch) ? natal::StageAt(stages, stem, branch) : 0;
}

}  // namespace

// 甲 on 寅 sits in 臨官: 臨 over 官 beside the column's ten god.
void ComputeOwnSeatStages(ui::Canvas& canvas, const natal::StageTable& stages,
                          const std::array<int, 7>& stems, const std::array<int, 7>& branches) {
  for (std::size_t k = 0; k < 7; ++k) {
    const int stage = StageOf(stages, stems[k], branches[k]);
    if (k == kDay || stage == 0) continue;
    const std::string_view word = kOwnSeatStageWords[static_cast<std::size_t>(stage)];
    canvas.PrintAt(ColumnX(k) + 2, 2.3, CharOf(word, 0));
    canvas.PrintAt(ColumnX(k) + 2, 3.3, LastChars(word, 1));
  }
}

void PrintStageLetters(ui::Canvas& canvas, const natal::StageTable& stages,
                       const std::array<int, 7>& branches) {
  for (int s = 1; s <= 10; ++s)
    for (std::size_t i = 0; i < kFlowingColumns.size(); ++i)
      if (const int stage = StageOf(stages, s, branches[kFlowingColumns[i]]))
        canvas.PrintAt(kLetterX[i], s + 3, kStemStageLetters[static_cast<std::size_t>(stage)]);
}

}  // namespace qm::luck
