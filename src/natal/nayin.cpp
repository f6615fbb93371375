// The 納音 of each pillar: the element of its pair of the sixty cycle and a stage letter, both
// read from 納音.DAT.
#include "natal/nayin.h"

#include <string_view>

#include "base/field_reader.h"
#include "base/program_folder.h"
#include "natal/chart_steps.h"

namespace qm::natal {

NayinTable ReadNayinTable() {
  FieldReader reader(ProgramFile("納音.DAT"));
  NayinTable records;
  // A pair missing from the table leaves its pillar unmarked; a code that names no element or
  // stage is no record of the table.
  for (NayinRecord& record : records) {
    record.stem = reader.NextIntIn(1, 10);
    record.branch = reader.NextIntIn(1, 12);
    record.element = reader.NextIntIn(1, 5);
    record.stage = reader.NextIntIn(1, 12);
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
      chart.canvas.PrintAt(x, rows[0], kElementNames[static_cast<std::size_t>(record.element)]);
      chart.canvas.PrintAt(x, rows[1], kNayinStageLetters[static_cast<std::size_t>(record.stage)]);
    }
  }
}

}  // namespace qm::natal
