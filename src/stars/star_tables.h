#pragma once
// The tables of the symbolic stars (神煞), one per star. A table keyed by a stem or a branch
// holds rows (key, value sought), a fixed list of pillars rows of one mark, the three-stem stars
// rows of three stems. Which pillars are laid against the rows, and under which column a star
// stands, belongs to the grid that runs the tables.
#include <array>
#include <cstddef>
#include <string_view>

#include "stars/star_marks.h"
#include "stars/star_rule.h"
#include "stars/void_branches.h"

namespace qm::stars {

template <std::size_t N>
struct StarTable {
  std::string_view word;
  Sex forSex;
  std::array<Row, N> rows;

  constexpr operator Star() const { return {word, forSex, rows}; }
};

namespace table_forms {

// Rows (key mark, entry) for the K keys in order, W entries a key; empty entries give empty
// rows, which match nothing.
template <std::size_t K, std::size_t W, typename KeyOf>
constexpr std::array<Row, K * W> Keyed(const Mark (&table)[K][W], KeyOf keyOf) {
  std::array<Row, K * W> rows{};
  for (std::size_t key = 0; key < K; ++key) {
    for (std::size_t entry = 0; entry < W; ++entry) {
      if (!IsEmpty(table[key][entry])) {
        rows[key * W + entry] = {keyOf(static_cast<int>(key) + 1), table[key][entry]};
      }
    }
  }
  return rows;
}

}  // namespace table_forms

// A table with one row of W entries per stem, 甲 to 癸.
template <std::size_t W>
constexpr std::array<Row, 10 * W> KeyedByStem(const Mark (&table)[10][W]) {
  return table_forms::Keyed(table, [](int stem) { return Mark{stem, 0}; });
}

// A table with one row of W entries per branch, 子 to 亥.
template <std::size_t W>
constexpr std::array<Row, 12 * W> KeyedByBranch(const Mark (&table)[12][W]) {
  return table_forms::Keyed(table, [](int branch) { return Mark{0, branch}; });
}

// The same with one entry per key.
constexpr std::array<Row, 10> KeyedByStem(const Mark (&table)[10]) {
  Mark wide[10][1] = {};
  for (std::size_t key = 0; key < 10; ++key) wide[key][0] = table[key];
  return KeyedByStem(wide);
}
constexpr std::array<Row, 12> KeyedByBranch(const Mark (&table)[12]) {
  Mark wide[12][1] = {};
  for (std::size_t key = 0; key < 12; ++key) wide[key][0] = table[key];
  return KeyedByBranch(wide);
}

// A table keyed by the month branch through its season: rows spring, summer, autumn, winter.
template <std::size_t W>
constexpr std::array<Row, 12 * W> KeyedBySeason(const Mark (&seasons)[4][W]) {
  Mark table[12][W] = {};
  for (std::size_t branch = 1; branch <= 12; ++branch) {
    for (std::size_t entry = 0; entry < W; ++entry) {
      table[branch - 1][entry] =
          seasons[static_cast<std::size_t>(SeasonOf(static_cast<int>(branch))) - 1][entry];
    }
  }
  return KeyedByBranch(table);
}

constexpr std::array<Row, 12> KeyedBySeason(const Mark (&seasons)[4]) {
  Mark wide[4][1] = {};
  for (std::size_t season = 0; season < 4; ++season) wide[season][0] = seasons[season];
  return KeyedBySeason(wide);
}

// Rows (pillar, void branch) for every pillar of the sixty cycle, two per pillar.
constexpr std::array<Row, 120> VoidBranchRows() {
  std::array<Row, 120> rows{};
  std::size_t n = 0;
  for (int stem = 1; stem <= 10; ++stem) {
    for (int branch = 1; branch <= 12; ++branch) {
      if (const auto pair = VoidBranches(stem, branch)) {
        rows[n++] = {Mark{stem, branch}, Mark{0, (*pair)[0]}};
        rows[n++] = {Mark{stem, branch}, Mark{0, (*pair)[1]}};
      }
    }
  }
  return rows;
}

// Keyed by the day stem, branches sought: 羊刃 飛刃 暗祿 金輿.
inline constexpr StarTable k羊刃{"羊刃", Sex::None, KeyedByStem<2>({
    {卯, 卯}, {寅, 辰}, {午, 午}, {巳, 未}, {午, 午}, {巳, 未}, {酉, 酉}, {戌, 戌}, {子, 子}, {丑, 丑}})};
inline constexpr StarTable k飛刃{"飛刃", Sex::None, KeyedByStem({
    酉, 戌, 子, 丑, 子, 丑, 卯, 辰, 午, 未})};
inline constexpr StarTable k暗祿{"暗祿", Sex::None, KeyedByStem({
    亥, 戌, 申, 未, 申, 未, 巳, 辰, 寅, 丑})};
inline constexpr StarTable k金輿{"金輿", Sex::None, KeyedByStem({
    辰, 巳, 未, 申, 未, 申, 戌, 亥, 丑, 寅})};

// Keyed by the day stem (天乙 夾祿 學士 紅艷 流霞) or the year stem (天官 干祿 天廚).
inline constexpr StarTable k天乙{"天乙", Sex::None, KeyedByStem<2>({
    {丑, 未}, {子, 申}, {酉, 亥}, {酉, 亥}, {丑, 未}, {子, 申}, {丑, 未}, {寅, 午}, {卯, 巳}, {卯, 巳}})};
inline constexpr StarTable k夾祿{"夾祿", Sex::None, KeyedByStem<2>({
    {丑, 卯}, {寅, 辰}, {辰, 午}, {巳, 未}, {辰, 午}, {巳, 未}, {未, 酉}, {申, 戌}, {戌, 子}, {亥, 丑}})};
inline constexpr StarTable k學士{"學士", Sex::None, KeyedByStem({
    子, 亥, 卯, 寅, 午, 巳, 午, 巳, 酉, 申})};
inline constexpr StarTable k紅艷{"紅艷", Sex::None, KeyedByStem({
    申, 午, 寅, 未, 辰, 辰, 戌, 酉, 子, 申})};
inline constexpr StarTable k天官{"天官", Sex::None, KeyedByStem({
    未, 辰, 巳, 酉, 戌, 卯, 亥, 申, 寅, 午})};
inline constexpr StarTable k干祿{"干祿", Sex::None, KeyedByStem({
    寅, 卯, 巳, 午, 巳, 午, 申, 酉, 亥, 子})};
inline constexpr StarTable k天廚{"天廚", Sex::None, KeyedByStem({
    巳, 午, 巳, 午, 申, 酉, 亥, 子, 寅, 卯})};
inline constexpr StarTable k流霞{"流霞", Sex::None, KeyedByStem({
    酉, 戌, 未, 申, 巳, 午, 辰, 卯, 亥, 寅})};

// Keyed by the day stem: 月合 太極 路空 seek several branches, 食祿 天財 a stem. The 太極 row of
// 癸 is that of 壬.
inline constexpr StarTable k月合{"月合", Sex::None, KeyedByStem<3>({
    {}, {丑, 巳, 酉}, {}, {子, 辰, 申}, {}, {卯, 未, 亥}, {}, {寅, 午, 戌}, {}, {}})};
inline constexpr StarTable k食祿{"食祿", Sex::None, KeyedByStem({
    丙, 丁, 戊, 己, 庚, 辛, 壬, 癸, 甲, 乙})};
inline constexpr StarTable k學堂{"學堂", Sex::None, KeyedByStem({
    亥, 午, 寅, 酉, 寅, 酉, 巳, 子, 申, 卯})};
inline constexpr StarTable k太極{"太極", Sex::None, KeyedByStem<4>({
    {子, 丑, 子, 丑}, {子, 午, 子, 午}, {卯, 酉, 卯, 酉}, {卯, 酉, 卯, 酉}, {丑, 辰, 未, 戌},
    {丑, 辰, 未, 戌}, {寅, 寅, 寅, 寅}, {寅, 寅, 寅, 寅}, {巳, 巳, 申, 申}, {巳, 巳, 申, 申}})};
inline constexpr StarTable k文昌{"文昌", Sex::None, KeyedByStem({
    巳, 午, 申, 酉, 申, 酉, 亥, 子, 寅, 卯})};
inline constexpr StarTable k天財{"天財", Sex::None, KeyedByStem({
    戊, 己, 庚, 辛, 壬, 癸, 甲, 乙, 丙, 丁})};
inline constexpr StarTable k路空{"路空", Sex::None, KeyedByStem<2>({
    {申, 酉}, {午, 未}, {辰, 巳}, {寅, 卯}, {子, 丑}, {申, 酉}, {午, 未}, {辰, 巳}, {寅, 卯}, {子, 丑}})};

// Keyed by the month branch (天德 月德) or by the day and year branches (將星 to 驛馬). 天德
// seeks a branch in the months 子 卯 午 酉 and a stem in the others.
inline constexpr StarTable k天德{"天德", Sex::None, KeyedByBranch({
    巳, 庚, 丁, 申, 壬, 辛, 亥, 甲, 癸, 寅, 丙, 乙})};
inline constexpr StarTable k月德{"月德", Sex::None, KeyedByBranch({
    壬, 庚, 丙, 甲, 壬, 庚, 丙, 甲, 壬, 庚, 丙, 甲})};
inline constexpr StarTable k將星{"將星", Sex::None, KeyedByBranch({
    子, 酉, 午, 卯, 子, 酉, 午, 卯, 子, 酉, 午, 卯})};
inline constexpr StarTable k桃花{"桃花", Sex::None, KeyedByBranch({
    酉, 午, 卯, 子, 酉, 午, 卯, 子, 酉, 午, 卯, 子})};
inline constexpr StarTable k華蓋{"華蓋", Sex::None, KeyedByBranch({
    辰, 丑, 戌, 未, 辰, 丑, 戌, 未, 辰, 丑, 戌, 未})};
inline constexpr StarTable k劫煞{"劫煞", Sex::None, KeyedByBranch({
    巳, 寅, 亥, 申, 巳, 寅, 亥, 申, 巳, 寅, 亥, 申})};
inline constexpr StarTable k驛馬{"驛馬", Sex::None, KeyedByBranch({
    寅, 亥, 申, 巳, 寅, 亥, 申, 巳, 寅, 亥, 申, 巳})};

// Whole pillars: fixed lists of day pillars, 金神's hour pillars of a 甲 or 己 day, the season
// stars' day pillars and 十惡's rows (year pillar, day pillar).
inline constexpr StarTable k日貴{"日貴", Sex::None, std::to_array<Row>({
    {P(丁, 酉)}, {P(丁, 亥)}, {P(癸, 巳)}, {P(癸, 卯)}})};
inline constexpr StarTable k日德{"日德", Sex::None, std::to_array<Row>({
    {P(壬, 戌)}, {P(庚, 辰)}, {P(甲, 寅)}, {P(戊, 辰)}})};
inline constexpr StarTable k日刃{"日刃", Sex::None, std::to_array<Row>({
    {P(戊, 午)}, {P(丙, 午)}, {P(壬, 子)}, {P(丁, 巳)}, {P(己, 巳)}, {P(癸, 亥)}})};
inline constexpr StarTable k金神{"金神", Sex::None, KeyedByStem<3>({
    {P(乙, 丑), P(己, 巳), P(癸, 酉)}, {}, {}, {}, {}, {P(乙, 丑), P(己, 巳), P(癸, 酉)}, {}, {}, {}, {}})};
inline constexpr StarTable k進神{"進神", Sex::None, std::to_array<Row>({
    {P(甲, 子)}, {P(甲, 午)}, {P(己, 卯)}, {P(己, 酉)}})};
inline constexpr StarTable k天赦{"天赦", Sex::None, KeyedBySeason({
    P(戊, 寅), P(甲, 午), P(戊, 申), P(甲, 子)})};
inline constexpr StarTable k十惡{"十惡", Sex::None, std::to_array<Row>({
    {P(庚, 戌), P(甲, 辰)}, {P(辛, 亥), P(乙, 巳)}, {P(丙, 寅), P(壬, 申)}, {P(壬, 寅), P(丙, 申)},
    {P(癸, 巳), P(丁, 亥)}, {P(甲, 戌), P(庚, 辰)}, {P(甲, 辰), P(戊, 戌)}, {P(丁, 巳), P(癸, 亥)}})};
inline constexpr StarTable k四廢{"四廢", Sex::None, KeyedBySeason<2>({
    {P(庚, 申), P(辛, 酉)}, {P(壬, 子), P(癸, 亥)}, {P(甲, 寅), P(乙, 卯)}, {P(丙, 午), P(丁, 未)}})};
inline constexpr StarTable k天轉{"天轉", Sex::None, KeyedBySeason({
    P(乙, 卯), P(丙, 午), P(辛, 酉), P(壬, 子)})};
inline constexpr StarTable k地轉{"地轉", Sex::None, KeyedBySeason({
    P(辛, 卯), P(戊, 午), P(癸, 酉), P(丙, 子)})};
inline constexpr StarTable k陽差{"陽差", Sex::Male, std::to_array<Row>({
    {P(壬, 辰)}, {P(丙, 午)}, {P(戊, 申)}, {P(壬, 戌)}, {P(丙, 子)}, {P(戊, 寅)}})};
inline constexpr StarTable k陰錯{"陰錯", Sex::Female, std::to_array<Row>({
    {P(辛, 卯)}, {P(癸, 巳)}, {P(丁, 未)}, {P(辛, 酉)}, {P(癸, 亥)}, {P(丁, 丑)}})};

// Branch pairs (寡宿 孤辰 血光), the four 魁罡 pillars and the three-stem runs, read forwards
// or backwards.
inline constexpr StarTable k寡宿{"寡宿", Sex::None, KeyedByBranch({
    戌, 戌, 丑, 丑, 丑, 辰, 辰, 辰, 未, 未, 未, 戌})};
inline constexpr StarTable k孤辰{"孤辰", Sex::None, KeyedByBranch({
    寅, 寅, 巳, 巳, 巳, 申, 申, 申, 亥, 亥, 亥, 寅})};
inline constexpr StarTable k魁罡{"魁罡", Sex::None, std::to_array<Row>({
    {P(庚, 辰)}, {P(庚, 戌)}, {P(壬, 辰)}, {P(戊, 戌)}})};
inline constexpr StarTable k天奇{"天奇", Sex::None, std::to_array<Row>({
    {甲, 戊, 庚}, {庚, 戊, 甲}})};
inline constexpr StarTable k地奇{"地奇", Sex::None, std::to_array<Row>({
    {乙, 丙, 丁}, {丁, 丙, 乙}})};
inline constexpr StarTable k人奇{"人奇", Sex::None, std::to_array<Row>({
    {壬, 癸, 辛}, {辛, 癸, 壬}})};
inline constexpr StarTable k血光{"血光", Sex::None, std::to_array<Row>({
    {子, 戌}, {丑, 卯}, {辰, 午}, {未, 酉}})};

// Keyed by the year branch, branches sought; six of them for one sex only.
inline constexpr StarTable k掃出男{"掃出", Sex::Male, KeyedByBranch({
    寅, 未, 無, 無, 寅, 未, 無, 無, 寅, 未, 無, 無})};
inline constexpr StarTable k掃進男{"掃進", Sex::Male, KeyedByBranch({
    無, 無, 申, 辰, 無, 無, 申, 辰, 無, 無, 申, 辰})};
inline constexpr StarTable k掃出女{"掃出", Sex::Female, KeyedByBranch({
    丑, 戌, 無, 酉, 丑, 戌, 無, 酉, 丑, 戌, 無, 酉})};
inline constexpr StarTable k掃進女{"掃進", Sex::Female, KeyedByBranch({
    無, 無, 巳, 無, 無, 無, 巳, 無, 無, 無, 巳, 無})};
inline constexpr StarTable k八敗{"八敗", Sex::None, KeyedByBranch({
    未, 戌, 丑, 丑, 未, 未, 丑, 辰, 戌, 戌, 辰, 辰})};
inline constexpr StarTable k重婚{"重婚", Sex::Male, KeyedByBranch({
    巳, 午, 未, 申, 酉, 戌, 亥, 子, 丑, 寅, 卯, 辰})};
inline constexpr StarTable k再嫁{"再嫁", Sex::Female, KeyedByBranch({
    午, 未, 申, 酉, 戌, 亥, 子, 丑, 寅, 卯, 辰, 巳})};
inline constexpr StarTable k狼籍{"狼籍", Sex::None, KeyedByBranch({
    午, 酉, 子, 子, 午, 午, 子, 卯, 酉, 酉, 卯, 卯})};
inline constexpr StarTable k飛天{"飛天", Sex::None, KeyedByBranch({
    卯, 寅, 午, 午, 辰, 辰, 午, 亥, 寅, 寅, 亥, 亥})};
inline constexpr StarTable k頭戴{"頭戴", Sex::None, KeyedByBranch({
    午, 未, 申, 酉, 戌, 亥, 子, 丑, 寅, 卯, 辰, 巳})};
inline constexpr StarTable k腳踏{"腳踏", Sex::None, KeyedByBranch({
    巳, 午, 未, 申, 酉, 戌, 亥, 子, 丑, 寅, 卯, 辰})};
inline constexpr StarTable k咸池{"咸池", Sex::None, KeyedByBranch({
    酉, 午, 卯, 子, 酉, 午, 卯, 子, 酉, 午, 卯, 子})};

// Keyed by the year branch (亡神 胞胎) or the day branch (隔角), and 空亡 by a whole pillar.
inline constexpr StarTable k亡神{"亡神", Sex::None, KeyedByBranch({
    亥, 申, 巳, 寅, 亥, 申, 巳, 寅, 亥, 申, 巳, 寅})};
inline constexpr StarTable k胞胎{"胞胎", Sex::None, KeyedByBranch({
    卯, 辰, 巳, 午, 未, 申, 卯, 辰, 巳, 午, 未, 申})};
inline constexpr StarTable k隔角{"隔角", Sex::None, KeyedByBranch({
    寅, 卯, 辰, 巳, 午, 未, 申, 酉, 戌, 亥, 子, 丑})};
inline constexpr StarTable k空亡{"空亡", Sex::None, VoidBranchRows()};

}  // namespace qm::stars
