#include "calendar/month_rules.h"

#include "base/pillar.h"

namespace qm {

int MonthStemRule(int yearStem, int monthBranch) {
  return NextStem(kTigerMonthStem[CheckedStem(yearStem)], MonthPosition(monthBranch) - 1);
}

}  // namespace qm
