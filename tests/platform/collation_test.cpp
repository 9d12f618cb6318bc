#include <gtest/gtest.h>

#include "platform/collation.h"

namespace hd {
namespace {

TEST(CollationTest, OrdersByLocaleWithAndWithoutCase) {
  struct Case {
    const char* a;
    const char* b;
    bool caseSensitive;
    int expected;
  } cases[] = {
      {"apple", "banana", true, -1},
      {"Banana", "apple", false, 1},
      {"abc", "ABC", false, 0},
      {"same", "same", true, 0},
      {"", "a", true, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " / " + c.b);
    EXPECT_EQ(LocaleCompare(c.a, c.b, c.caseSensitive), c.expected);
  }
  EXPECT_NE(LocaleCompare("abc", "ABC", true), 0);
}

}  // namespace
}  // namespace hd
