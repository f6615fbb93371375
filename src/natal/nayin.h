#pragma once
// The 納音 of a pillar: the element of its pair of the sixty cycle and a stage code, from
// 納音.DAT.
#include <array>
#include <vector>

#include "base/pillar.h"

namespace qm::natal {

struct NayinRecord {
  double stem = 0, branch = 0, element = 0;
  int stage = 0;
};
using NayinTable = std::array<NayinRecord, 60>;

// The sixty records of 納音.DAT in file order: stems 1..10, branches 1..12, elements 1..5 and
// stages 1..12. A missing or short file, or any other value, throws a qm::Failure of the file.
NayinTable ReadNayinTable();

// The records of a pillar's pair in file order: one for a well-formed table, none for a pair
// missing from it (or a pillar whose stem and branch differ in parity). 甲子 is 金 in 死.
std::vector<NayinRecord> NayinOf(const NayinTable& table, Pillar pillar);

}  // namespace qm::natal
