#include "platform/unicode.h"

#include <gtest/gtest.h>

#include "platform/sysutils.h"

namespace hd {
namespace {

TEST(Unicode, WideTextRoundTripsEveryPlane) {
  // "aé€" and U+1F600 as a surrogate pair.
  const std::string utf8 = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
  const WideString wide = Utf8ToWide(utf8);
  EXPECT_EQ(wide, (WideString{u'a', 0x00E9, 0x20AC, 0xD83D, 0xDE00}));
  EXPECT_EQ(WideToUtf8(wide), utf8);
  // A lone surrogate cannot be written in UTF-8.
  EXPECT_EQ(WideToUtf8(WideString{u'x', 0xD800, u'y'}), "x\xEF\xBF\xBDy");
}

TEST(Unicode, CaseMappingKeepsEveryCharacterInItsPlace) {
  struct Case {
    const char* name;
    std::string text, upper, lower;
  } cases[] = {
      {"ASCII", "Grid 1", "GRID 1", "grid 1"},
      {"Latin accents", "perch\xC3\xA9 \xC3\x80", "PERCH\xC3\x89 \xC3\x80", "perch\xC3\xA9 \xC3\xA0"},
      {"Greek", "\xCE\xB1\xCE\x92", "\xCE\x91\xCE\x92", "\xCE\xB1\xCE\xB2"},
      // Sharp s has no one-character capital: it stays, so lengths never change.
      {"sharp s", "stra\xC3\x9F" "e", "STRA\xC3\x9F" "E", "stra\xC3\x9F" "e"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CharUpperText(c.text), c.upper);
    EXPECT_EQ(WideToUtf8(Utf8ToWide(c.text)), c.text);
    std::u32string lower;
    for (char32_t ch : Utf8ToCodePoints(c.text)) lower += CharLower(ch);
    EXPECT_EQ(CodePointsToUtf8(lower), c.lower);
    EXPECT_EQ(WideUpperCase(Utf8ToWide(c.text)), Utf8ToWide(c.upper));
  }
  // Deseret small letter long i (U+10428) upper-cases to U+10400, still a surrogate pair.
  EXPECT_EQ(WideUpperCase(WideString{0xD801, 0xDC28}), (WideString{0xD801, 0xDC00}));
}

TEST(Unicode, NumberCharactersOfAnyScript) {
  EXPECT_TRUE(IsNumberCharacter(U'7'));
  EXPECT_TRUE(IsNumberCharacter(U'\u0663'));  // Arabic-Indic three
  EXPECT_TRUE(IsNumberCharacter(U'\u00BD'));  // one half
  EXPECT_FALSE(IsNumberCharacter(U'a'));
  EXPECT_FALSE(IsNumberCharacter(U'-'));
}

}  // namespace
}  // namespace hd
