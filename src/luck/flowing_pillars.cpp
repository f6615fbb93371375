#include "luck/flowing_pillars.h"

#include "base/field_reader.h"
#include "base/names.h"
#include "base/program_folder.h"
#include "base/roc_year.h"
#include "calendar/month_rules.h"
#include "calendar/pillars.h"

namespace qm::luck {
namespace {

constexpr int kLuckPillarCount = 10;

Pillar PillarOfCycle(int cycleNumber) { return {Cycle(cycleNumber, 10), Cycle(cycleNumber, 12)}; }

}  // namespace

std::array<Pillar, 121> ReadYearPillarTable() {
  FieldReader reader(ProgramFile("ONE120.DAT"));
  std::array<Pillar, 121> table{};
  for (int year = kFirstRocYear; year <= kLastRocYear; ++year)
    table[static_cast<std::size_t>(year)] = NextPillar(reader);
  return table;
}

Pillar FlowYearPillar(const std::array<Pillar, 121>& table, int pillarYear) {
  if (pillarYear < kFirstRocYear || pillarYear > kLastRocYear)
    return PillarOfCycle(YearCycleNumber(pillarYear));
  return table[static_cast<std::size_t>(pillarYear)];
}

Pillar FlowMonthPillar(int pillarYear, int flowMonth) {
  const int branch = BranchOfJieMonth(flowMonth);
  return {MonthStemRule(PillarOfCycle(YearCycleNumber(pillarYear)).stem, branch), branch};
}

long LuckStartMinutes(const natal::LuckStart& start) {
  if (start.special) return kTenYearLuckStart;
  return natal::MinutesInLuckDirection(start);
}

std::optional<int> LuckPillarInForce(long realAgeMonths, long luckStartMinutes) {
  const long sinceStart = realAgeMonths * kLuckMinutesPerMonth - luckStartMinutes;
  if (sinceStart < 0) return 0;
  const long k = sinceStart / (10 * kLuckMinutesPerYear) + 1;
  if (k > kLuckPillarCount) return std::nullopt;
  return static_cast<int>(k);
}

}  // namespace qm::luck
