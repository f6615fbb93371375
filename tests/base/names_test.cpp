// Names to numbers by exact comparison, and the one wrap-around of every cycle.
#include <gtest/gtest.h>

#include "base/names.h"

namespace qm {
namespace {

TEST(Names, AWholeTextEqualToANameGivesItsNumber) {
  EXPECT_EQ(StemFromText("甲"), 1);
  EXPECT_EQ(StemFromText("癸"), 10);
  EXPECT_EQ(BranchFromText("子"), 1);
  EXPECT_EQ(BranchFromText("亥"), 12);
  EXPECT_EQ(ElementKindFromText("燥土"), 5);
  EXPECT_EQ(ElementKindFromText("癸水"), 10);
  for (const char* text : {"", "甲 ", "甲子", "X", "木"}) {
    EXPECT_EQ(StemFromText(text), std::nullopt) << text;
    EXPECT_EQ(BranchFromText(text), std::nullopt) << text;
    EXPECT_EQ(ElementKindFromText(text), std::nullopt) << text;
  }
}

TEST(Names, CyclesWrapIntoOneToTheirSize) {
  EXPECT_EQ(Cycle(0, 10), 10);
  EXPECT_EQ(Cycle(13, 12), 1);
  EXPECT_EQ(Cycle(-1, 12), 11);
  EXPECT_EQ(Cycle(60, 60), 60);
  EXPECT_EQ(NextStem(10, 1), 1);
  EXPECT_EQ(NextStem(1, -1), 10);
  EXPECT_EQ(NextBranch(12, 2), 2);
  EXPECT_EQ(StemElement(5), 3);
}

}  // namespace
}  // namespace qm
