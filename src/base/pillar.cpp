#include "base/pillar.h"

#include "base/failure.h"
#include "base/field_reader.h"

namespace qm {

int CheckedStem(int stem) {
  if (!IsStem(stem)) throw Failure("天干超出範圍：" + std::to_string(stem));
  return stem;
}

int CheckedBranch(int branch) {
  if (!IsBranch(branch)) throw Failure("地支超出範圍：" + std::to_string(branch));
  return branch;
}

Pillar NextPillar(FieldReader& reader) {
  Pillar pillar;
  pillar.stem = reader.NextInt();
  pillar.branch = reader.NextInt();
  if (!pillar.IsValid()) throw reader.Refusal("不是六十甲子之一");
  return pillar;
}

std::string PillarText(Pillar pillar) {
  std::string text;
  if (IsStem(pillar.stem)) text += kStemNames[pillar.stem];
  if (IsBranch(pillar.branch)) text += kBranchNames[pillar.branch];
  return text;
}

}  // namespace qm
