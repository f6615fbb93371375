// The branch a star's table seeks for one key, read from the tables the star grid runs.
#include <gtest/gtest.h>

#include "stars/star_rule.h"
#include "stars/star_tables.h"

namespace qm::stars {
namespace {

struct Case {
  Star star;
  Mark key;
  int entry;
  Mark sought;  // 無 where the table holds no branch for the key
};

TEST(SoughtBranchTest, EachKeyFindsTheEntryOfItsOwnRow) {
  for (const Case& c : {
           Case{k天乙, 辛, 0, 寅}, Case{k天乙, 辛, 1, 午}, Case{k天乙, 癸, 1, 巳},
           Case{k驛馬, 子, 0, 寅}, Case{k驛馬, 亥, 0, 巳}, Case{k孤辰, 亥, 0, 寅},
           Case{k寡宿, 寅, 0, 丑}, Case{k將星, 午, 0, 午}, Case{k咸池, 丑, 0, 午},
       })
    EXPECT_EQ(SoughtBranch(c.star, c.key, c.entry), c.sought.branch)
        << c.star.word << " " << c.key.stem << " " << c.key.branch << " " << c.entry;
}

TEST(SoughtBranchTest, NoRowNoBranch) {
  for (const Case& c : {
           Case{k天乙, 甲, 2, 無},             // a row of two entries has no third
           Case{k天乙, {}, 0, 無},             // a missing day stem
           Case{k天乙, {.stem = 11}, 0, 無},   // no such stem
           Case{k天乙, 子, 0, 無},             // a branch is no key of a stem's table
           Case{k驛馬, 甲, 0, 無},             // nor a stem of a branch's
           Case{k驛馬, {.branch = 13}, 0, 無},
           Case{k天德, 丑, 0, 無},             // the 丑 month's 天德 is the stem 庚
           Case{k月合, 甲, 0, 無},             // an empty row
       })
    EXPECT_EQ(SoughtBranch(c.star, c.key, c.entry), c.sought.branch)
        << c.star.word << " " << c.key.stem << " " << c.key.branch << " " << c.entry;
}

}  // namespace
}  // namespace qm::stars
