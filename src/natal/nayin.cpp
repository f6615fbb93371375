// The 納音 of each pillar: the element of its pair of the sixty cycle and a stage letter, both
// read from 納音.DAT.
#include "natal/nayin.h"

#include <string_view>

#include "base/field_reader.h"
#include "base/program_folder.h"
#include "natal/chart_steps.h"

namespace qm::natal {
namespace {

// The name of a code 1..n of a table; empty (nothing printed) for a code outside it.
template <std::size_t N>
std::string_view NameOfCode(const std::array<std::string_view, N>& names, double code) {
  for (std::size_t i = 1; i < N; ++i)
    if (code == static_cast<double>(i)) return names[i];
  return {};
}

}  // namespace

NayinTable ReadNayinTable() {
  FieldReader reader(ProgramFile("納音.DAT"));
  NayinTable records;
  for (NayinRecord& record : records) {
    record.stem = reader.NextNumber();
    record.branch = reader.NextNumber();
    record.element = reader.NextNumber();
    record.stage = reader.NextInt();
  }
  return records;
}

std::vector<NayinRecord> NayinOf(const NayinTable& table, Pillar pillar) {
  std::vector<NayinRecord> found;
  for (const NayinRecord& record : table)
    if (record.stem == pillar.stem && record.branch == pillar.branch) found.push_back(record);
  return found;
}

// Each pillar's pair looked up in the table of the sixty pairs: 甲子 is 金 in 死, marked 金 over
// 死 beside the pillar.
void LookupNayin(Chart& chart) {
  const NayinTable table = ReadNayinTable();
  const std::array<double, 2>& rows = chart.layout.dayMaster.nayinRows;
  for (const ChartColumn& column : chart.NatalFour()) {
    double x = column.x + chart.layout.besideColumn;
    for (const NayinRecord& record : NayinOf(table, column.pillar)) {
      std::string_view element = NameOfCode(kElementNames, record.element);
      std::string_view stage = NameOfCode(kNayinStageLetters, record.stage);
      if (!element.empty()) chart.canvas.PrintAt(x, rows[0], element);
      if (!stage.empty()) chart.canvas.PrintAt(x, rows[1], stage);
    }
  }
}

}  // namespace qm::natal
