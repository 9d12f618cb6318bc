#include "platform/sysutils.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <optional>

#include "platform/exceptions.h"

namespace hd {
namespace {

TEST(IntegerReader, ReadsAsThePlatformConversion) {
  struct Case {
    const char* text;
    std::optional<int> value;  // nullopt: not an integer
  } cases[] = {
      {"0", 0},
      {"42", 42},
      {"+42", 42},
      {"-42", -42},
      {"   7", 7},
      {"007", 7},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"$10", 16},
      {"-$10", -16},
      {"+$1f", 31},
      {"x1F", 31},
      {"X1f", 31},
      {"0x1F", 31},
      {"0XfF", 255},
      {"$7FFFFFFF", INT_MAX},
      {"$80000000", INT_MIN},
      {"$FFFFFFFF", -1},
      {"-$FFFFFFFF", 1},
      {"$000000010", 16},
      {"$100000000", std::nullopt},
      {"", std::nullopt},
      {" ", std::nullopt},
      {"-", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"7 ", std::nullopt},
      {"\t7", std::nullopt},
      {"7a", std::nullopt},
      {"1.0", std::nullopt},
      {"- 7", std::nullopt},
      {"$-10", std::nullopt},
      {"$G", std::nullopt},
      {"1,000", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("text \"") + c.text + "\"");
    int v = 12345;
    EXPECT_EQ(TryStrToInt(c.text, v), c.value.has_value());
    if (c.value) {
      EXPECT_EQ(v, *c.value);
      EXPECT_EQ(StrToInt(c.text), *c.value);
    } else {
      EXPECT_EQ(v, 12345) << "a failed read leaves the value alone";
      EXPECT_EQ(StrToIntDef(c.text, -99), -99);
    }
  }
}

TEST(IntegerReader, ErrorNamesTheText) {
  try {
    StrToInt("12 ");
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'12 ' is not a valid integer value");
  }
  EXPECT_THROW(StrToInt64("x"), EConvertError);
}

TEST(IntegerReader, SixtyFourBitRange) {
  struct Case {
    const char* text;
    std::optional<std::int64_t> value;
  } cases[] = {
      {"9223372036854775807", INT64_MAX},
      {"-9223372036854775808", INT64_MIN},
      {"9223372036854775808", std::nullopt},
      {"4294967296", 4294967296LL},
      {"$FFFFFFFF", 0xFFFFFFFFLL},
      {"$FFFFFFFFFFFFFFFF", -1},
      {"$10000000000000000", std::nullopt},
      {" -$10", -16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::int64_t v = 0;
    EXPECT_EQ(TryStrToInt64(c.text, v), c.value.has_value());
    if (c.value) {
      EXPECT_EQ(v, *c.value);
    }
    EXPECT_EQ(StrToInt64Def(c.text, 5), c.value.value_or(5));
  }
}

TEST(Text, TrimRemovesControlCharactersAndBlanksOnly) {
  struct Case {
    std::string text, both, left, right;
  } cases[] = {
      {"", "", "", ""},
      {"   ", "", "", ""},
      {" \t\r\na b\x01 ", "a b", "a b\x01 ", " \t\r\na b"},
      {"x", "x", "x", "x"},
      {"\xC2\xB6 ", "\xC2\xB6", "\xC2\xB6 ", "\xC2\xB6"},
      {std::string("\0a\0", 3), "a", std::string("a\0", 2), std::string("\0a", 2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Trim(c.text), c.both);
    EXPECT_EQ(TrimLeft(c.text), c.left);
    EXPECT_EQ(TrimRight(c.text), c.right);
  }
}

TEST(Text, CaseAndComparison) {
  EXPECT_EQ(UpperCase("abc-xyz \xC3\xA4"), "ABC-XYZ \xC3\xA4");
  EXPECT_EQ(LowerCase("ABC_Z"), "abc_z");
  EXPECT_TRUE(SameText("Modbus", "MODBUS"));
  EXPECT_FALSE(SameText("Modbus", "Modbu"));
  EXPECT_LT(CompareText("apple", "Banana"), 0);
  EXPECT_GT(CompareStr("apple", "Banana"), 0);
  EXPECT_LT(CompareStr("ab", "abc"), 0);
}

TEST(Text, PosAndCopyCountFromOne) {
  EXPECT_EQ(Pos("b", "abcb"), 2);
  EXPECT_EQ(Pos("b", "abcb", 3), 4);
  EXPECT_EQ(Pos("x", "abc"), 0);
  EXPECT_EQ(Pos("", "abc"), 0);
  EXPECT_EQ(Pos("a", "abc", 0), 0);
  EXPECT_EQ(Copy("abcdef", 2, 3), "bcd");
  EXPECT_EQ(Copy("abcdef", 0, 2), "ab");
  EXPECT_EQ(Copy("abcdef", 5, 100), "ef");
  EXPECT_EQ(Copy("abcdef", 6, 1), "f");
  EXPECT_EQ(Copy("abcdef", 7, 1), "");
  EXPECT_EQ(Copy("abcdef", 2, -1), "");
  EXPECT_EQ(StringReplaceAll("a.b.c", ".", ".."), "a..b..c");
  EXPECT_EQ(StringReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(QuotedStr("it's"), "'it''s'");
}

TEST(Text, Utf8HelpersCountCodePoints) {
  const std::string pilcrowLine = "12=\xC2\xB6Text\xC2\xB6rest";  // pilcrow U+00B6
  EXPECT_EQ(Utf8Length(pilcrowLine), 13);
  EXPECT_EQ(Utf8Pos("\xC2\xB6", pilcrowLine), 4);
  EXPECT_EQ(Utf8Copy(pilcrowLine, 5, 4), "Text");
  EXPECT_EQ(Utf8Copy("\xE2\x82\xAC\xF0\x9F\x98\x80x", 2, 1), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8ToCodePoints("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), (std::u32string{U'a', 0xE9, 0x20AC, 0x1F600}));
  EXPECT_EQ(CodePointsToUtf8({U'a', 0xE9, 0x20AC, 0x1F600}), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  // A stray byte (Windows-1252 pilcrow) counts as one character and is kept by Utf8Copy.
  const std::string stray = "a\xB6" "b";
  EXPECT_EQ(Utf8Length(stray), 3);
  EXPECT_EQ(Utf8Copy(stray, 2, 1), "\xB6");
  EXPECT_EQ(Utf8ToCodePoints(stray), (std::u32string{U'a', 0xFFFD, U'b'}));
  // A sequence cut short is no character of its own.
  EXPECT_EQ(Utf8Length("\xE2\x82"), 2);
}

TEST(Numbers, IntToHexIsUpperCaseAndPadded) {
  EXPECT_EQ(IntToHex(255, 2), "FF");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(0x1ABC, 2), "1ABC");
  EXPECT_EQ(IntToHex(0, 0), "0");
  EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
  EXPECT_EQ(IntToHex(std::int64_t{-1}, 2), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(IntToHex(std::uint32_t{0xDEADBEEF}, 8), "DEADBEEF");
  EXPECT_EQ(IntToHex(std::uint8_t{0x0A}, 2), "0A");
  EXPECT_EQ(IntToStr(-1234567890123LL), "-1234567890123");
}

TEST(Numbers, RoundSendsHalvesToEven) {
  struct Case {
    double value;
    std::int64_t rounded, truncated;
  } cases[] = {
      {0.5, 0, 0},  {1.5, 2, 1},   {2.5, 2, 2},     {3.5, 4, 3},   {-0.5, 0, 0},
      {-1.5, -2, -1}, {-2.5, -2, -2}, {2.4999, 2, 2}, {2.5001, 3, 2}, {-2.7, -3, -2},
      {1e15 + 0.5, 1000000000000000, 1000000000000000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(Round(c.value), c.rounded);
    EXPECT_EQ(Trunc(c.value), c.truncated);
  }
  EXPECT_THROW(Round(1e19), EInvalidOp);
  EXPECT_THROW(Trunc(std::nan("")), EInvalidOp);
}

TEST(Numbers, BoolToStr) {
  EXPECT_EQ(BoolToStr(true), "-1");
  EXPECT_EQ(BoolToStr(false), "0");
  EXPECT_EQ(BoolToStr(true, true), "True");
}

}  // namespace
}  // namespace hd
