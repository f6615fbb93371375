#include "fortune/fortune_score.h"

#include <algorithm>
#include <cmath>

#include "base/failure.h"
#include "base/names.h"
#include "calendar/month_rules.h"
#include "calendar/pillars.h"
#include "natal/chart_rules.h"

namespace qm::fortune {
namespace {

constexpr std::string_view kNoRuler = "\u3000";

// The sixty-cycle entry n, counted round: 0 is 60, 61 is 1.
const Pillar& CycleEntry(const std::array<Pillar, 61>& sixty, int n) {
  return sixty[Cycle(n, 60)];
}

// A kind 1..10 has a score; anything else scores nothing.
int KindScoreOf(const KindScores& scores, int kind) {
  return kind >= 1 && kind <= 10 ? scores[kind] : 0;
}

}  // namespace

KindScores KindScore(const RoleChoices& choices) {
  KindScores scores{};
  for (int role = 0; role < kRoleCount; ++role)
    for (int kind = 1; kind <= 10; ++kind)
      if (kind == choices[role][0] || kind == choices[role][1]) scores[kind] = kRoleScores[role];
  return scores;
}

int BranchScore(const KindScores& scores, int branch) {
  return scores[kBranchKind[CheckedBranch(branch)]];
}

// Ages are 1..100, so a start age beyond a thousand years either way rules them as a thousand
// does, and the whole number stays within an int.
int FirstLuckAge(double luckStartAge) {
  constexpr double kFarOut = 1000;
  return static_cast<int>(std::floor(std::clamp(luckStartAge, -kFarOut, kFarOut) + 0.5));
}

// Example: a start age of 7.41 rules age 1 by the month stem, ages 2 to 6 by the month branch,
// 7 to 11 by the stem of the first luck pillar and 12 to 16 by its branch.
std::array<LuckRuler, kLastAge + 1> LuckRulerByAge(const natal::LuckRecord& record) {
  using Kind = LuckRuler::Kind;
  const int first = FirstLuckAge(record.luckStartAge);
  std::array<LuckRuler, kLastAge + 1> rulers{};
  for (int age = 1; age <= kLastAge; ++age) {
    LuckRuler& ruler = rulers[age];
    if (age <= first - 6) {
      ruler = {Kind::Stem, record.month.stem};
    } else if (age < first) {
      ruler = {Kind::Branch, record.month.branch};
    } else if (int k = age - first; k / 10 < natal::kLuckPillarCount) {
      const Pillar& pillar = record.pillars[k / 10];
      ruler = k % 10 < 5 ? LuckRuler{Kind::Stem, pillar.stem} : LuckRuler{Kind::Branch, pillar.branch};
    }
  }
  return rulers;
}

int RulerScore(const KindScores& scores, LuckRuler ruler) {
  switch (ruler.kind) {
    case LuckRuler::Kind::Stem: return KindScoreOf(scores, ruler.number);
    case LuckRuler::Kind::Branch: return BranchScore(scores, ruler.number);
    case LuckRuler::Kind::None: break;
  }
  return 0;
}

std::string_view RulerText(LuckRuler ruler) {
  switch (ruler.kind) {
    case LuckRuler::Kind::Stem: return StemText(ruler.number);
    case LuckRuler::Kind::Branch: return BranchText(ruler.number);
    case LuckRuler::Kind::None: break;
  }
  return kNoRuler;
}

// Example: born in RocYear 58, in RocYear 94 with 10 years back and ahead: the reference age
// is 36 and the window ages 26 to 46.
FortuneWindow FortuneWindowOf(int birthYear, int currentYear, int yearsBack, int yearsAhead) {
  const int age0 = currentYear - birthYear;
  return {std::max(1, age0 - yearsBack), std::min(kLastAge, age0 + yearsAhead)};
}

// Example: RocYear 1 (1912) is entry 49, 壬子; its second age is 癸丑.
std::array<Pillar, kLastAge + 1> AgeYearPillars(int birthYear,
                                                   const std::array<Pillar, 61>& sixty) {
  const Pillar birth = CycleEntry(sixty, birthYear + 48);
  std::array<Pillar, kLastAge + 1> pillars{};
  for (int age = 1; age <= kLastAge; ++age)
    pillars[age] = {CycleEntry(sixty, birth.stem + age - 1).stem,
                    CycleEntry(sixty, birth.branch + age - 1).branch};
  return pillars;
}

// Twelve months advance the stem two places, as 五虎遁 does from one year stem to the next.
Pillar AgeMonthPillar(int firstYearStem, int age, int position) {
  const int month = kMonthsPerAge * (age - 1) + position;
  return {NextStem(kTigerMonthStem[CheckedStem(firstYearStem)], month - 1),
          MonthPositionBranch(position)};
}

std::vector<FortuneMonth> FortuneMonths(const natal::LuckRecord& record, const RoleChoices& choices,
                                        FortuneWindow window,
                                        const std::array<Pillar, kLastAge + 1>& yearPillars) {
  if (window.first < 1 || window.last > kLastAge) throw Failure("運勢年齡超出範圍");
  const KindScores scores = KindScore(choices);
  const std::array<LuckRuler, kLastAge + 1> rulers = LuckRulerByAge(record);
  const int birthYear = BirthYearOf(record);
  std::vector<FortuneMonth> months;
  months.reserve(static_cast<std::size_t>(std::max(0, window.Months())));
  double total = 0;
  for (int age = window.first; age <= window.last; ++age) {
    for (int position = 1; position <= kMonthsPerAge; ++position) {
      FortuneMonth m;
      m.age = age, m.rocYear = birthYear + age - 1, m.position = position;
      m.ruler = rulers[age];
      m.year = yearPillars[age];
      m.month = AgeMonthPillar(yearPillars[1].stem, age, position);
      m.luckScore = RulerScore(scores, m.ruler);
      m.yearStemScore = KindScoreOf(scores, m.year.stem);
      m.yearBranchScore = BranchScore(scores, m.year.branch);
      m.monthStemScore = KindScoreOf(scores, m.month.stem);
      m.monthBranchScore = BranchScore(scores, m.month.branch);
      m.sum = m.luckScore + m.yearStemScore + m.yearBranchScore + m.monthStemScore +
              m.monthBranchScore;
      m.monthly = 1.2 * m.luckScore + 1.0 * m.yearStemScore + 1.0 * m.yearBranchScore +
                  0.8 * m.monthStemScore + 0.8 * m.monthBranchScore;
      m.before = total;
      total += m.monthly;
      m.cumulative = total;
      months.push_back(m);
    }
  }
  return months;
}

int BirthYearOf(const natal::LuckRecord& record) { return record.birth ? record.birth->year : 0; }

std::string_view YearStemTenGod(int stem, int dayStem) { return natal::TenGodName(stem, dayStem); }

std::string_view YearBranchTenGod(int branch, int dayStem) {
  return natal::TenGodName(kBranchKind[CheckedBranch(branch)], dayStem);
}

std::string DayMasterText(int dayStem) {
  return std::string(StemText(dayStem)) + std::string(kElementNames[StemElement(dayStem)]);
}

}  // namespace qm::fortune
