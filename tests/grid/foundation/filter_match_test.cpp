#include "grid/foundation/filter_match.h"

#include <gtest/gtest.h>

#include "platform/format_settings_override.h"

namespace hd {
namespace {

// "." decimals, "," thousands, dates as dd/mm/yyyy.
TFormatSettings DayFirstSettings() { return TFormatSettings{}; }

struct FilterCase {
  const char* name;
  const char* condition;
  const char* value;
  bool caseSensitive;
  bool match;
};

void ExpectFilters(std::initializer_list<FilterCase> cases) {
  for (const FilterCase& c : cases) {
    SCOPED_TRACE(std::string(c.name) + ": " + c.condition + " on " + c.value);
    EXPECT_EQ(MatchFilter(c.condition, c.value, c.caseSensitive), c.match);
  }
}

TEST(MatchFilter, WildcardsNegationAndCase) {
  FormatSettingsOverride fs{DayFirstSettings()};
  ExpectFilters({
      {"star matches the rest", "A*", "ABC", true, true},
      {"star matches nothing", "A*", "A", true, true},
      {"star at the start", "*B", "AB", true, true},
      {"star needs the end", "*B", "ABC", true, false},
      {"stars in a row", "a**c", "abbbc", true, true},
      {"backtracking star", "*ab*ab", "aabxab", true, true},
      {"question needs a character", "?", "", true, false},
      {"question takes one", "a?c", "abc", true, true},
      {"question takes one UTF-8 character", "caf?", "caf\xC3\xA9", true, true},
      {"negation", "!A*", "BA", true, true},
      {"negation refuses", "!A*", "AB", true, false},
      {"case sensitive", "abc", "ABC", true, false},
      {"case insensitive", "abc", "ABC", false, true},
      {"case insensitive beyond ASCII", "\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89", false, true},
      {"empty condition, empty value", "", "", true, true},
      {"empty condition, a value", "", "x", true, false},
      {"leading equals", "=abc", "abc", true, true},
      {"equals only at the start", "a=bc", "abc", true, false},
      {"spaces ignored outside quotes", " a b ", "ab", true, true},
      {"spaces kept inside quotes", "\"a b\"", "a b", true, true},
      {"quoted operator characters", "\"a|b\"", "a|b", true, true},
      {"quoted operator is no operator", "\"a|b\"", "a", true, false},
  });
}

TEST(MatchFilter, CombinationsRunLeftToRight) {
  FormatSettingsOverride fs{DayFirstSettings()};
  ExpectFilters({
      {"or", "a|b", "b", true, true},
      {"semicolon is or", "a;b", "b", true, true},
      {"caret is or", "a^b", "b", true, true},
      {"and", "a*&*c", "abc", true, true},
      {"and refuses", "a*&*c", "abd", true, false},
      {"no precedence", "a|b&c", "a", true, false},
      {"group first", "(a|b)&c", "c", true, false},
      {"group then or", "(a|b)|c", "c", true, true},
      {"group last", "c*&(*a|*b)", "cb", true, true},
      {"nested groups", "((a|b)&b)|z", "b", true, true},
      {"group alone", "(a)", "a", true, true},
  });
}

TEST(MatchFilter, ComparisonsAndRanges) {
  FormatSettingsOverride fs{DayFirstSettings()};
  ExpectFilters({
      {"range low end", ">=10&<20", "10", true, true},
      {"range inside", ">=10&<20", "19.5", true, true},
      {"range high end", ">=10&<20", "20", true, false},
      {"greater", ">5", "6", true, true},
      {"greater refuses", ">5", "5", true, false},
      {"numbers, not texts", ">9", "10", true, true},
      {"less or equal", "<=5", "5", true, true},
      {"texts by character codes", ">b", "c", true, true},
      {"texts by character codes refuse", ">b", "a", true, false},
      {"dates as dates", ">01/02/2024", "15/03/2023", true, false},
      {"dates as dates later", ">01/02/2024", "15/03/2024", true, true},
      {"quoted operand keeps its space", ">\"b a\"", "b b", true, true},
      {"quoted operand compared whole", ">\"b a\"", "b", true, false},
  });
}

TEST(MatchFilter, CommaDecimalsAndPointThousands) {
  FormatSettingsOverride fs{CommaDecimalSettings()};
  ExpectFilters({
      {"thousands separator dropped", ">1.000", "1500", true, true},
      {"thousands separator dropped refuses", ">1.000", "999", true, false},
      {"decimal comma", "<2,5", "2,4", true, true},
      {"a dotted date is a date, not a number", ">01.02.2024", "15.03.2023", true, false},
  });
}

TEST(MatchFilter, UnclosedGroupFailsInsteadOfHanging) {
  FormatSettingsOverride fs{DayFirstSettings()};
  ExpectFilters({
      {"unclosed group", "(a|b", "a", true, false},
      {"unclosed group after an operand", "a|(b", "a", true, false},
      {"nested unclosed", "((a)", "a", true, false},
  });
  // A closing bracket without its opening one is an ordinary character.
  EXPECT_TRUE(MatchFilter("a)", "a)", true));
}

TEST(MatchFilter, DeeplyNestedGroupsFailInsteadOfExhaustingTheStack) {
  FormatSettingsOverride fs{DayFirstSettings()};
  auto nested = [](int depth, const std::string& inner) {
    return std::string(static_cast<size_t>(depth), '(') + inner + std::string(static_cast<size_t>(depth), ')');
  };
  EXPECT_TRUE(MatchFilter(nested(64, "a|b"), "b", true));
  EXPECT_FALSE(MatchFilter(nested(65, "a|b"), "b", true));
  EXPECT_FALSE(MatchFilter(nested(5000, "a"), "a", true));
  // The limit is on depth, not on the number of groups side by side.
  std::string wide = "x";
  for (int i = 0; i < 200; ++i) wide += "|(y" + std::to_string(i) + ")";
  EXPECT_TRUE(MatchFilter(wide, "y199", true));
}

TEST(FilterHelpers, OperatorsParenthesesAndSeparators) {
  int pos = 0;
  EXPECT_EQ(FindOperatorOutsideQuotes("&|", "\"a&b\"|c", pos), '|');
  EXPECT_EQ(pos, 6);
  EXPECT_EQ(FindOperatorOutsideQuotes("&|", "\"a&b\"", pos), 0);
  EXPECT_EQ(pos, -1);
  EXPECT_EQ(MatchingParenPos("(a(b)c)d"), 7);
  EXPECT_EQ(MatchingParenPos("(a(b)"), 0);
  EXPECT_EQ(RemoveSpacesOutsideQuotes(" a \" b \" c"), "a\" b \"c");
  {
    FormatSettingsOverride fs{CommaDecimalSettings()};
    EXPECT_EQ(DotDecimalText("1.234.567,89"), "1234567.89");
    EXPECT_EQ(LocaleDecimalSeparator(), ',');
    EXPECT_EQ(LocaleDateSeparator(), '.');
  }
}

TEST(DateTexts, LocaleDatesAndTimes) {
  TFormatSettings settings = InvariantFormatSettings();
  settings.ShortDateFormat = "dd/MM/yyyy";
  settings.DateSeparator = '/';
  FormatSettingsOverride fs{settings};
  struct Case {
    const char* text;
    bool ok;
    TDateTime value;
  } cases[] = {
      {"31/12/2024", true, EncodeDate(2024, 12, 31)},
      {"31/12/2024 23:59:59", true, EncodeDate(2024, 12, 31) + EncodeTime(23, 59, 59, 0)},
      {"31/12/2024 10:30", true, EncodeDate(2024, 12, 31) + EncodeTime(10, 30, 0, 0)},
      {"1/2/24", true, EncodeDate(24, 2, 1)},  // the year as written
      {"32/01/2024", false, 0},
      {"01/13/2024", false, 0},
      {"30/02/2024", false, 0},
      {"31/12/2024 24:00", false, 0},
      {"31/12/2024 10:60", false, 0},
      {"31/12/2024 10:30:60", false, 0},
      {"31/12", false, 0},
      {"a/b/c", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TDateTime dt = -1;
    EXPECT_EQ(LocaleTextToDateTime(c.text, dt), c.ok);
    if (c.ok) {
      EXPECT_DOUBLE_EQ(dt, c.value);
    }
  }
  // A time part without its separator is refused, but the date is still handed back.
  TDateTime dt = -1;
  EXPECT_FALSE(LocaleTextToDateTime("31/12/2024 10", dt));
  EXPECT_DOUBLE_EQ(dt, EncodeDate(2024, 12, 31));

  settings.ShortDateFormat = "yyyy/mm/dd";
  FormatSettingsOverride yearFirst{settings};
  EXPECT_TRUE(LocaleTextToDateTime("2024/12/31", dt));
  EXPECT_DOUBLE_EQ(dt, EncodeDate(2024, 12, 31));

  EXPECT_TRUE(LooksLikeDate("1/2/3"));
  EXPECT_FALSE(LooksLikeDate("/1/2"));
  EXPECT_FALSE(LooksLikeDate("1//2"));
  EXPECT_FALSE(LooksLikeDate("12"));
}

TEST(DateTexts, ShortDateSerials) {
  struct Case {
    const char* text;
    TDateTime us, eu;
  } cases[] = {
      {"31.12.99", 0, EncodeDate(1999, 12, 31)},
      {"1/2/25", EncodeDate(2025, 1, 2), EncodeDate(2025, 2, 1)},
      {"1/2/26", EncodeDate(1926, 1, 2), EncodeDate(1926, 2, 1)},
      {"1/2/0", EncodeDate(2000, 1, 2), EncodeDate(2000, 2, 1)},
      {"1-2-2024", EncodeDate(2024, 1, 2), EncodeDate(2024, 2, 1)},
      {"12/31/1999", EncodeDate(1999, 12, 31), 0},
      {"1/2/125", EncodeDate(125, 1, 2), EncodeDate(125, 2, 1)},
      {"1/2", 0, 0},
      {"a/2/2024", 0, 0},
      {"", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_DOUBLE_EQ(ShortDateUSToDate(c.text), c.us);
    EXPECT_DOUBLE_EQ(ShortDateEUToDate(c.text), c.eu);
  }
}

TEST(DateTexts, AdjustDateStepsSeries) {
  const TDateTime jan31 = EncodeDate(2024, 1, 31);
  struct Case {
    const char* name;
    int years, months, days;
    double delta;
    TDateTime date, next;
  } cases[] = {
      {"days", 0, 0, 7, 99, jan31, EncodeDate(2024, 2, 7)},
      {"years", 1, 0, 0, 99, jan31, EncodeDate(2025, 1, 31)},
      {"leap day plus a year", 1, 0, 0, 99, EncodeDate(2024, 2, 29), EncodeDate(2025, 2, 28)},
      {"months", 0, 2, 0, 99, EncodeDate(2024, 1, 15), EncodeDate(2024, 3, 15)},
      {"month into December", 0, 11, 0, 99, EncodeDate(2024, 1, 15), EncodeDate(2024, 12, 15)},
      {"month into the next year", 0, 1, 0, 99, EncodeDate(2024, 12, 15), EncodeDate(2025, 1, 15)},
      {"two months back from January", 0, -2, 0, 99, EncodeDate(2024, 1, 15), EncodeDate(2023, 11, 15)},
      {"fourteen months back", 0, -14, 0, 99, EncodeDate(2024, 1, 15), EncodeDate(2022, 11, 15)},
      {"twenty-five months on", 0, 25, 0, 99, EncodeDate(2024, 1, 15), EncodeDate(2026, 2, 15)},
      {"a day the month lacks", 0, 1, 0, 99, jan31, EncodeDate(2024, 2, 29)},
      {"beyond the last year", 0, 1, 0, 99, EncodeDate(9999, 12, 1), EncodeDate(9999, 12, 1)},
      {"mixed steps take the delta", 0, 1, 1, 30.5, jan31, jan31 + 30.5},
      {"no step takes the delta", 0, 0, 0, 3, jan31, jan31 + 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TDateTime next = 0;
    EXPECT_NO_THROW(next = AdjustDate(static_cast<std::int16_t>(c.years), static_cast<std::int16_t>(c.months),
                                      static_cast<std::int16_t>(c.days), c.delta, c.date));
    EXPECT_DOUBLE_EQ(next, c.next);
  }
}

}  // namespace
}  // namespace hd
