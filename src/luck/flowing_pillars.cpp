#include "luck/flowing_pillars.h"

#include <string>

#include "base/failure.h"
#include "base/field_reader.h"
#include "base/names.h"
#include "base/program_folder.h"
#include "calendar/pillars.h"

namespace qm::luck {
namespace {

constexpr int kLuckPillarCount = 10;

CyclePair CyclePairOf(int cycleNumber) { return {Cycle(cycleNumber, 10), Cycle(cycleNumber, 12)}; }

}  // namespace

std::array<CyclePair, 121> ReadYearPillarTable() {
  FieldReader reader(ProgramFile("ONE120.DAT"));
  std::array<CyclePair, 121> table{};
  for (int year = kFirstRocYear; year <= kLastRocYear; ++year) {
    CyclePair& pair = table[static_cast<std::size_t>(year)];
    pair.stem = reader.NextInt();
    pair.branch = reader.NextInt();
    if (pair.stem < 1 || pair.stem > 10 || pair.branch < 1 || pair.branch > 12)
      throw Failure("檔案內容有誤：ONE120.DAT 第" + std::to_string(year) + "列");
  }
  return table;
}

CyclePair FlowYearPillar(const std::array<CyclePair, 121>& table, int pillarYear) {
  if (pillarYear < kFirstRocYear || pillarYear > kLastRocYear)
    return CyclePairOf(YearCycleNumber(pillarYear));
  return table[static_cast<std::size_t>(pillarYear)];
}

CyclePair FlowMonthPillar(int pillarYear, int flowMonth) {
  const int branch = NextBranch(flowMonth, 1);
  const int yearStem = CyclePairOf(YearCycleNumber(pillarYear)).stem;
  return {MonthStemOf(yearStem, branch), branch};
}

std::optional<int> LuckPillarInForce(long realAgeMonths, long luckStartMinutes) {
  const long sinceStart = realAgeMonths * kLuckMinutesPerMonth - luckStartMinutes;
  if (sinceStart < 0) return 0;
  const long k = sinceStart / (10 * kLuckMinutesPerYear) + 1;
  if (k > kLuckPillarCount) return std::nullopt;
  return static_cast<int>(k);
}

}  // namespace qm::luck
