// The Zi Wei tables of data/ against the rules they are written from, cell by cell, and the
// readers' refusal of a table that names no cell.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "base/failure.h"
#include "base/field_reader.h"
#include "ziwei_support.h"

namespace qm::ziwei::test {
namespace {

FieldReader DataFile(const std::string& name) {
  return FieldReader(std::filesystem::path(QM_TEST_DATA_DIR) / std::filesystem::u8path(name));
}

int Wrap(int n) { return ((n - 1) % 12 + 12) % 12 + 1; }

// 紫微 of bureau n and lunar day d: the smallest k >= 0 with n dividing d + k, q = (d + k) / n,
// base = 寅 + q - 1; the cell is base - k for an odd k and base + k for an even k.
int ZiWeiByRule(int n, int d) {
  int k = 0;
  while ((d + k) % n != 0) ++k;
  const int base = 3 + (d + k) / n - 1;
  return Wrap(k % 2 == 1 ? base - k : base + k);
}

TEST(ZiWeiTables, KingHoldsTheCellOfZiWeiForEveryBureauAndDay) {
  FieldReader king = DataFile("KING.DAT");
  for (int bureau = 2; bureau <= 6; ++bureau)
    for (int day = 1; day <= 30; ++day)
      EXPECT_EQ(king.NextInt(), ZiWeiByRule(bureau, day)) << bureau << " " << day;
  EXPECT_TRUE(king.AtEnd());
  // The first days of each bureau as the almanac reads them.
  EXPECT_EQ(ZiWeiByRule(2, 1), B("丑"));
  EXPECT_EQ(ZiWeiByRule(3, 1), B("辰"));
  EXPECT_EQ(ZiWeiByRule(4, 1), B("亥"));
  EXPECT_EQ(ZiWeiByRule(5, 1), B("午"));
  EXPECT_EQ(ZiWeiByRule(6, 1), B("酉"));
}

// The start cell of 火星 and 鈴星 for the year branch's group, counted forward by the hour.
struct GroupStart {
  std::array<const char*, 3> branches;
  const char* fire;
  const char* bell;
};
constexpr std::array<GroupStart, 4> kGroups = {{
    {{"寅", "午", "戌"}, "丑", "卯"},
    {{"申", "子", "辰"}, "寅", "戌"},
    {{"巳", "酉", "丑"}, "卯", "戌"},
    {{"亥", "卯", "未"}, "酉", "戌"},
}};

TEST(ZiWeiTables, FireAndBellStarsCountTheHourFromTheirGroupsStart) {
  std::array<std::array<int, 13>, 13> fire{}, bell{};
  for (const GroupStart& g : kGroups)
    for (const char* branch : g.branches)
      for (int hour = 1; hour <= 12; ++hour) {
        fire[B(branch)][hour] = Wrap(B(g.fire) + hour - 1);
        bell[B(branch)][hour] = Wrap(B(g.bell) + hour - 1);
      }
  FieldReader fireFile = DataFile("火星.DAT"), bellFile = DataFile("鈴星.DAT");
  for (int year = 1; year <= 12; ++year)
    for (int hour = 1; hour <= 12; ++hour) {
      EXPECT_EQ(fireFile.NextInt(), fire[year][hour]) << year << " " << hour;
      EXPECT_EQ(bellFile.NextInt(), bell[year][hour]) << year << " " << hour;
    }
  EXPECT_TRUE(fireFile.AtEnd());
  EXPECT_TRUE(bellFile.AtEnd());
}

TEST(ZiWeiTables, PlaceHoldsTheFourteenSlotsOfEveryCell) {
  // Left and top border of the cells 子 .. 亥.
  const std::array<std::pair<double, double>, 12> corners = {
      {{41, 25}, {21, 25}, {1, 25}, {1, 18}, {1, 11}, {1, 4}, {21, 4}, {41, 4}, {61, 4},
       {61, 11}, {61, 18}, {61, 25}}};
  FieldReader place = DataFile("PLACE.DAT");
  for (auto [left, top] : corners) {
    std::vector<std::pair<double, double>> slots;
    for (int s = 1; s <= 9; ++s) slots.push_back({top + 1, left + 1.5 + 1.6 * (s - 1)});
    slots.insert(slots.end(), {{top + 1, left + 16.1}, {top + 1, left + 17.7},
                               {top + 2.9, left + 16.1}, {top + 2.9, left + 17.7},
                               {top + 3.3, left + 14.3}});
    for (auto [y, x] : slots) {
      EXPECT_NEAR(place.NextNumber(), y, 1e-9);
      EXPECT_NEAR(place.NextNumber(), x, 1e-9);
    }
  }
  EXPECT_TRUE(place.AtEnd());
}

// Where 祿存, 擎羊 and 陀羅 can stand, from their cells of the ten year stems.
std::set<int> CellsOfLuCun(int offset) {
  const std::array<const char*, 10> luCun = {"寅", "卯", "巳", "午", "巳",
                                             "午", "申", "酉", "亥", "子"};
  std::set<int> cells;
  for (const char* b : luCun) cells.insert(Wrap(B(b) + offset));
  return cells;
}

TEST(ZiWeiTables, BrightnessHasOneWordForEveryStarAndCellAndABlankWhereAStarNeverStands) {
  const std::set<std::string> words = {"廟", "旺", "得", "利", "平", "不", "陷"};
  const std::array<std::set<int>, 3> possible = {CellsOfLuCun(0), CellsOfLuCun(1),
                                                 CellsOfLuCun(-1)};
  FieldReader table = DataFile("ABCDE.DAT");
  for (int star = 1; star <= 21; ++star)
    for (int cell = 1; cell <= 12; ++cell) {
      const std::string word(table.Next());
      const bool canStand = star < 19 || possible[star - 19].count(cell);
      if (canStand)
        EXPECT_TRUE(words.count(word)) << star << " " << cell << " " << word;
      else
        EXPECT_EQ(word, "　") << star << " " << cell;
    }
  EXPECT_TRUE(table.AtEnd());
}

TEST(ZiWeiTables, AFieldNamingNoCellIsAFailureOfTheReader) {
  for (const char* bad : {"13", "0"}) {
    qm::test::TempFolder folder("ziwei_tables");
    for (const char* name : {"KING.DAT", "火星.DAT", "鈴星.DAT"}) {
      std::string text = qm::test::ReadWhole(std::filesystem::path(QM_TEST_DATA_DIR) /
                                   std::filesystem::u8path(name));
      text.replace(text.find(" 3,"), 2, std::string(" ") + bad);
      folder.Write(name, text);
    }
    EXPECT_THROW(ReadZiWeiPositionTable(), Failure) << bad;
    EXPECT_THROW(ReadFireStarTable(), Failure) << bad;
    EXPECT_THROW(ReadBellStarTable(), Failure) << bad;
  }
}

}  // namespace
}  // namespace qm::ziwei::test
