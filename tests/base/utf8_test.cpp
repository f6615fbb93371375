// Counting and cutting the characters of UTF-8 texts.
#include <gtest/gtest.h>

#include "base/utf8.h"

namespace qm {
namespace {

TEST(LastChars, CountsCharactersNotBytes) {
  EXPECT_EQ(LastChars("癸水", 1), "水");
  EXPECT_EQ(LastChars("0.5", 2), ".5");
  EXPECT_EQ(LastChars("1", 2), "1");
  EXPECT_EQ(LastChars("", 2), "");
  EXPECT_EQ(LastChars("1984", 3), "984");
}

}  // namespace
}  // namespace qm
