#pragma once
// A temporary program folder holding copies of the eight calendar tables, for tests that change
// or remove a table.
#include "support/temp_folder.h"

namespace qm::test {

inline constexpr const char* kCalendarTables[] = {
    "NEWYEAR.DAT", "MYEAR.DAT", "MOONDAY.DAT", "SEG.DAT",
    "BIG1.DAT",    "MID_DAY.DAT", "SIXTY.DAT", "END_DAY.DAT"};

class TableFolder : public TempFolder {
 public:
  // With `copyTables` false the folder starts empty.
  explicit TableFolder(bool copyTables = true) : TempFolder("calendar") {
    if (copyTables)
      for (const char* name : kCalendarTables) CopyData(name);
  }
};

}  // namespace qm::test
