// What typed or pasted text becomes in an edit, without a widget: its case, the part that fits
// the length limit, and the single line a one-line edit takes. Lengths count characters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/edit_rules.h"

namespace hd {
namespace {

TEST(EditRulesTest, CaseMapsCharacterForCharacter) {
  struct Case {
    const char* name;
    const char* text;
    TEditCharCase charCase;
    const char* cased;
  };
  const std::vector<Case> cases = {
      {"normal keeps the text", "aB\xC3\xA4", ecNormal, "aB\xC3\xA4"},
      {"upper, umlauts too", "ab\xC3\xA4", ecUpperCase, "AB\xC3\x84"},
      {"lower, Cyrillic too", "AB\xD0\x96", ecLowerCase, "ab\xD0\xB6"},
      {"sharp s has no single capital and stays", "stra\xC3\x9F" "e", ecUpperCase, "STRA\xC3\x9F" "E"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CasedText(c.text, c.charCase), c.cased);
  }
}

TEST(EditRulesTest, OnlyWhatFitsTheLimitIsTaken) {
  struct Case {
    const char* name;
    const char* add;
    int length, selected, maxLength;
    const char* taken;
  };
  const std::vector<Case> cases = {
      {"no limit", "abcdef", 10, 0, 0, "abcdef"},
      {"room for two", "abcdef", 3, 0, 5, "ab"},
      {"a selection frees its room", "abcdef", 5, 2, 5, "ab"},
      {"full", "a", 5, 0, 5, ""},
      {"text set longer by code takes nothing more", "a", 8, 1, 5, ""},
      {"characters, not bytes", "\xC3\xA4\xF0\x9F\x98\x80x", 3, 0, 5, "\xC3\xA4\xF0\x9F\x98\x80"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FittingText(c.add, c.length, c.selected, c.maxLength), c.taken);
  }
}

TEST(EditRulesTest, FirstLineEndsAtAnyLineBreak) {
  EXPECT_EQ(FirstLine("one\r\ntwo"), "one");
  EXPECT_EQ(FirstLine("one\ntwo"), "one");
  EXPECT_EQ(FirstLine("one\rtwo"), "one");
  EXPECT_EQ(FirstLine("\r\ntwo"), "");
  EXPECT_EQ(FirstLine("one"), "one");
}

}  // namespace
}  // namespace hd
