#include "ziwei/ziwei_files.h"

#include "base/field_reader.h"
#include "base/program_folder.h"
#include "ziwei/chart_frame.h"

namespace qm::ziwei {
namespace {

// The next field as a cell 子..亥; a table that names no cell cannot place its star.
int NextCell(FieldReader& reader) { return reader.NextIntIn(1, 12); }

BranchHourTable ReadBranchHourTable(const char* file) {
  FieldReader reader(ProgramFile(file));
  BranchHourTable table{};
  for (int yearBranch = 1; yearBranch <= 12; ++yearBranch)
    for (int hour = 1; hour <= 12; ++hour) table[yearBranch][hour] = NextCell(reader);
  return table;
}

}  // namespace

SlotLayout ReadPlaceTable() {
  FieldReader reader(ProgramFile("PLACE.DAT"));
  SlotLayout layout{};
  for (int cell = 1; cell <= 12; ++cell)
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      layout[cell][slot].y = reader.NextNumberIn(0, kChartHeight);
      layout[cell][slot].x = reader.NextNumberIn(0, kChartWidth);
    }
  return layout;
}

ZiWeiPositionTable ReadZiWeiPositionTable() {
  FieldReader reader(ProgramFile("KING.DAT"));
  ZiWeiPositionTable table{};
  for (int bureau = 2; bureau <= 6; ++bureau)
    for (int day = 1; day <= 30; ++day) table[bureau][day] = NextCell(reader);
  return table;
}

BranchHourTable ReadFireStarTable() { return ReadBranchHourTable("火星.DAT"); }
BranchHourTable ReadBellStarTable() { return ReadBranchHourTable("鈴星.DAT"); }

BrightnessTable ReadBrightnessTable() {
  FieldReader reader(ProgramFile("ABCDE.DAT"));
  BrightnessTable table{};
  for (int star = 1; star <= kBrightStars; ++star)
    for (int cell = 1; cell <= 12; ++cell) table[star][cell] = std::string(reader.Next());
  return table;
}

}  // namespace qm::ziwei
