#include "natal/chart_tables.h"

#include <algorithm>
#include <string>

#include "base/failure.h"
#include "base/field_reader.h"
#include "base/program_folder.h"

namespace qm::natal {

HiddenStemTable ReadHiddenStemTable() {
  FieldReader reader(ProgramFile("地支藏干.DAT"));
  HiddenStemTable table{};
  for (int branch = 1; branch <= 12; ++branch)
    for (HiddenSlot& slot : table[branch]) {
      slot.text = reader.Next();
      slot.weight = reader.Next();
    }
  return table;
}

StageTable ReadStageBranchTable() {
  FieldReader reader(ProgramFile("干週行支.DAT"));
  StageTable table{};
  for (int stem = 1; stem <= 10; ++stem) {
    StageRow& row = table[stem];
    for (int stage = 1; stage <= 12; ++stage) row[stage] = reader.NextInt();
    for (int branch = 1; branch <= 12; ++branch)
      if (std::count(row.begin() + 1, row.end(), branch) != 1)
        throw reader.Refusal("第" + std::to_string(stem) + "列不是十二地支各一");
  }
  return table;
}

MonthlyStemWeights ReadMonthlyStemWeights() {
  FieldReader reader(ProgramFile("天干當令.DAT"));
  MonthlyStemWeights table{};
  for (int stem = 1; stem <= 10; ++stem)
    for (int branch = 1; branch <= 12; ++branch) table[stem][branch] = reader.NextNumber();
  return table;
}

}  // namespace qm::natal
