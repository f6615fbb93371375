#pragma once
// The fortune score: every month of a window of ages scored by the roles (用 喜 閒 仇 忌) that
// the user gave to the ten element kinds, over the luck stem or branch ruling the age, the
// year pillar of the age and the month pillar, and summed month by month. Plain values only:
// the window draws and lists what these functions return.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/calendar_tables.h"
#include "natal/luck_record.h"

namespace qm::fortune {

inline constexpr int kLastAge = 100;
inline constexpr int kMonthsPerAge = 12;

// The roles in the order they are applied, and what each gives a kind: 用 4, 喜 2, 閒 0,
// 仇 -2, 忌 -4.
inline constexpr int kRoleCount = 5;
inline constexpr std::array<int, kRoleCount> kRoleScores = {4, 2, 0, -2, -4};

// The two ElementKind choices (1..10; 0 for none) of each role 用 喜 閒 仇 忌.
using RoleChoices = std::array<std::array<int, 2>, kRoleCount>;

// The score of each ElementKind 1..10 (index 0 unused).
using KindScores = std::array<int, 11>;

// The element kind a branch counts as: 子 癸水, 丑 辰 溼土, 寅 甲木, 卯 乙木, 巳 丙火, 午 丁火,
// 未 戌 燥土, 申 庚金, 酉 辛金, 亥 壬水.
inline constexpr std::array<int, 13> kBranchKind = {0, 10, 6, 1, 2, 6, 3, 4, 5, 7, 8, 5, 9};

// KindScore: each chosen kind takes its role's score, roles applied 用 to 忌, so a kind chosen
// for two roles keeps the later one (用 and 忌 give -4). Choices outside 1..10 choose nothing.
KindScores KindScore(const RoleChoices& choices);

// BranchScore: the score of the branch's element kind; 戌 and 未 score as 燥土.
int BranchScore(const KindScores& scores, int branch);

// The stem or branch that rules an age, or none.
struct LuckRuler {
  enum class Kind { None, Stem, Branch };
  Kind kind = Kind::None;
  int number = 0;
  bool operator==(const LuckRuler&) const = default;
};

// FirstLuckAge: the luck start age to the nearest whole year, as the printed luck ages round it
// (7.41 -> 7, 7.6 -> 8, 7.5 -> 8).
int FirstLuckAge(double luckStartAge);

// LuckRuler by age 1..100 (index 0 unused): the month stem up to FirstLuckAge - 6, the month
// branch for the five ages before FirstLuckAge, then each luck pillar five ages by its stem and
// five by its branch. An age past the tenth pillar (age 100 when the luck starts at 0) has none.
std::array<LuckRuler, kLastAge + 1> LuckRulerByAge(const natal::LuckRecord& record);

// The ruler's score, its character ("甲", "子"), and a full-width blank for none.
int RulerScore(const KindScores& scores, LuckRuler ruler);
std::string_view RulerText(LuckRuler ruler);

// FortuneWindow: the ages from the reference age (the current RocYear minus the birth RocYear)
// less yearsBack to it plus yearsAhead, kept within 1..100. A span under one year is refused by
// the window that asks.
struct FortuneWindow {
  int first = 0, last = 0;
  int Span() const { return last - first; }
  int Months() const { return kMonthsPerAge * (Span() + 1); }
  bool operator==(const FortuneWindow&) const = default;
};
FortuneWindow FortuneWindowOf(int birthYear, int currentYear, int yearsBack, int yearsAhead);

// The year pillar of every age 1..100 (index 0 unused): the birth RocYear's pillar, entry
// (birth + 48) Mod 60 of SIXTY.DAT with no step back before 立春, advanced one place a year.
std::array<Pillar, kLastAge + 1> AgeYearPillars(int birthYear,
                                                   const std::array<Pillar, 61>& sixty);

// The pillar of month position p (1 寅 .. 12 丑) of an age: the months counted on without a
// break from the 寅 month of age 1, whose stem follows the birth year's stem (五虎遁).
Pillar AgeMonthPillar(int firstYearStem, int age, int position);

// The figures of one month of the window.
struct FortuneMonth {
  int age = 0, rocYear = 0, position = 0;
  LuckRuler ruler;
  Pillar year, month;
  int luckScore = 0, yearStemScore = 0, yearBranchScore = 0;
  int monthStemScore = 0, monthBranchScore = 0;
  double sum = 0;         // the plain sum of the five scores
  double monthly = 0;     // MonthlyFortuneScore: 1.2 luck + year stem + year branch + 0.8 month
  double before = 0;      // CumulativeFortune before the month (0 before the first)
  double cumulative = 0;  // CumulativeFortune after the month
};

// Every month of the window in order, ages first to last, positions 寅 to 丑 within an age.
std::vector<FortuneMonth> FortuneMonths(const natal::LuckRecord& record, const RoleChoices& choices,
                                        FortuneWindow window,
                                        const std::array<Pillar, kLastAge + 1>& yearPillars);

// The birth RocYear of the record; 0 when it was written from entered pillars.
int BirthYearOf(const natal::LuckRecord& record);

// The ten god of a year stem against the day stem, and of a year branch taken as the stem of its
// element kind (子 as 癸, 未 as 戊).
std::string_view YearStemTenGod(int stem, int dayStem);
std::string_view YearBranchTenGod(int branch, int dayStem);

// The day master text: the day stem and its element, "甲木", "己土".
std::string DayMasterText(int dayStem);

}  // namespace qm::fortune
