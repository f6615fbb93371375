// The 納音 of each pillar: the element of its pair of the sixty cycle and a stage letter, both
// read from 納音.DAT.
#include <array>
#include <string_view>

#include "base/field_reader.h"
#include "base/life_stages.h"
#include "base/names.h"
#include "base/program_folder.h"
#include "natal/late_steps.h"

namespace qm::natal {
namespace {

constexpr int kNayinRecordCount = 60;

struct NayinRecord {
  double stem = 0, branch = 0, element = 0;
  int stage = 0;
};

std::array<NayinRecord, kNayinRecordCount> ReadNayinTable() {
  FieldReader reader(ProgramFile("納音.DAT"));
  std::array<NayinRecord, kNayinRecordCount> records;
  for (NayinRecord& record : records) {
    record.stem = reader.NextNumber();
    record.branch = reader.NextNumber();
    record.element = reader.NextNumber();
    record.stage = reader.NextInt();
  }
  return records;
}

// The name of a code 1..n of a table; empty (nothing printed) for a code outside it.
template <std::size_t N>
std::string_view NameOfCode(const std::array<std::string_view, N>& names, double code) {
  for (std::size_t i = 1; i < N; ++i)
    if (code == static_cast<double>(i)) return names[i];
  return {};
}

}  // namespace

// Each pillar's pair looked up in the table of the sixty pairs: 甲子 is 金 in 死, marked 金 over
// 死 beside the pillar.
void LookupNayin(Chart& chart) {
  const std::array<NayinRecord, kNayinRecordCount> records = ReadNayinTable();
  const LateStepsLayout& layout = chart.layout.late;
  for (int p = 0; p < 4; ++p) {
    double x = chart.layout.columns[p] + layout.besideColumn;
    for (const NayinRecord& record : records) {
      if (record.stem != chart.pillarList[p] || record.branch != chart.pillarList[p + 4]) continue;
      std::string_view element = NameOfCode(kElementNames, record.element);
      std::string_view stage = NameOfCode(kNayinStageLetters, record.stage);
      if (!element.empty()) chart.canvas.PrintAt(x, layout.nayinRows[0], element);
      if (!stage.empty()) chart.canvas.PrintAt(x, layout.nayinRows[1], stage);
    }
  }
}

}  // namespace qm::natal
