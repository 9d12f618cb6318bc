#include "grid/dataops/sort/row_compare.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "../../../platform/format_settings_override.h"
#include "grid/dataops/testkit/memory_grid_host.h"

namespace hd::test {
namespace {

// Two rows, one column: text1 in row 0, text2 in row 1.
struct CompareCase {
  const char* name;
  const char* text1;
  const char* text2;
  TSortStyle style;
  int expected;
  const char* prefix = "";
  const char* suffix = "";
};

int CompareTexts(const CompareCase& c, TMemoryGridHost* Setup = nullptr) {
  TMemoryGridHost host({{c.text1}, {c.text2}}, 0);
  if (Setup) host.settings.Assign(&Setup->settings), host.settings.SetIgnoreCase(Setup->settings.IgnoreCase());
  host.onFormat = [&](int, TSortStyle& s, std::string& p, std::string& x) {
    if (c.style != ssAutomatic) s = c.style;
    p = c.prefix, x = c.suffix;
  };
  TRowComparer cmp(host);
  return cmp.CompareCells(0, 0, 1, sdAscending);
}

void RunCases(const std::vector<CompareCase>& Cases, TMemoryGridHost* Setup = nullptr) {
  for (const CompareCase& c : Cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(CompareTexts(c, Setup), c.expected);
  }
}

// The strict reading gives strtod's value to the last bit, for short decimals (read without
// strtod) as for long ones and exponents, and refuses what is not wholly a number.
TEST(RowCompareTest, StrictNumberReadingMatchesStrtod) {
  std::vector<std::string> texts{"0", "-0", "+5", ".5", "5.", "  12.25", "0.1", "0.3", "-1234567.891",
                                 "999999999999999", "9999999999999999", "123456789012345.6", "1e3", "-2.5E-3",
                                 "0.000000000000001", "100000000000000000000"};
  std::uint32_t seed = 99;
  auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
  for (int n = 0; n < 3000; ++n) {
    std::string t = (next() % 3 == 0) ? "-" : "";
    int digits = 1 + static_cast<int>(next() % 17), point = static_cast<int>(next() % (digits + 1));
    for (int d = 0; d < digits; ++d) {
      if (d == point && d > 0) t += '.';
      t += static_cast<char>('0' + next() % 10);
    }
    texts.push_back(t);
  }
  for (const std::string& t : texts) {
    double v = 42;
    ASSERT_TRUE(ParseSortNumber(t, v)) << t;
    double want = std::strtod(t.c_str(), nullptr);
    EXPECT_EQ(std::memcmp(&v, &want, sizeof v), 0) << t << ": " << v << " vs " << want;
  }
  for (const char* bad : {"", "-", ".", "1.2.3", "12a", "1e", "e5", "1 2", "12 "}) {
    double v = 0;
    EXPECT_FALSE(ParseSortNumber(bad, v)) << bad;
  }
}

TEST(RowCompareTest, NumbersWithPrefixSuffixAndThousands) {
  FormatSettingsOverride locale(TFormatSettings{});
  RunCases({
      {"automatic, 9 before 12", "9", "12", ssAutomatic, -1},
      {"automatic, empty first cell is alphabetic", "", "12", ssAutomatic, -1},
      {"automatic, 12 against 9 as numbers not text", "12", "9", ssAutomatic, 1},
      {"suffix kg removed", "5 kg", "12 kg", ssNumeric, -1, "", " kg"},
      {"prefix removed once only", "$$5", "$7", ssNumeric, -1, "$"},
      {"two texts that are no numbers", "abc", "xyz", ssNumeric, 0},
      {"empty cell counts as 0 against a negative", "", "-3", ssNumeric, 1},
      {"empty cell counts as 0 against a positive", "", "3", ssNumeric, -1},
      {"text that is no number counts 0 against a number", "n/a", "-1", ssNumeric, 1},
      {"exponent", "1e3", "999", ssNumeric, 1},
      {"financial removes thousands", "1,250.50", "980", ssFinancial, 1},
      {"numeric keeps thousands, so no number", "1,250.50", "980", ssNumeric, -1},
      {"alpha-numeric with two numbers", "10", "9", ssAlphaNumeric, 1},
      {"alpha-numeric with a word", "10", "9a", ssAlphaNumeric, -1},
  });
}

TEST(RowCompareTest, NumbersUnderACommaDecimalLocale) {
  FormatSettingsOverride locale(CommaDecimalSettings());
  RunCases({
      {"first decimal comma becomes a point", "2,5", "2,25", ssNumeric, 1},
      {"financial drops the dot thousands", "1.250,5", "980", ssFinancial, 1},
  });
}

TEST(RowCompareTest, DatesAndTimesOfTheLocale) {
  TFormatSettings fs;
  fs.ShortDateFormat = "dd/mm/yyyy";
  FormatSettingsOverride locale(fs);
  RunCases({
      {"automatic date", "1/2/2020", "3/4/2021", ssAutomatic, -1},
      {"automatic date later", "3/4/2021", "1/2/2020", ssAutomatic, 1},
      {"automatic date and time", "1/2/2020 10:00", "1/2/2020 09:00", ssAutomatic, 1},
      {"automatic time", "10:30", "9:15", ssAutomatic, 1},
      {"automatic time, other text without separator is alphabetic", "10:30", "915", ssAutomatic, -1},
      {"automatic, separator at position 4 is no date", "2020/1/2", "1/1/2021", ssAutomatic, 1},
      {"day-first short date", "02/01/2020", "01/02/2020", ssShortDateEU, -1},
      {"month-first short date", "02/01/2020", "01/02/2020", ssShortDateUS, 1},
      {"unreadable date counts 0", "soon", "1/2/2020", ssDate, -1},
  });
}

TEST(RowCompareTest, CaseAndTextOrders) {
  FormatSettingsOverride locale(TFormatSettings{});
  RunCases({
      {"alphabetic: upper case before lower", "b", "B", ssAlphabetic, 1},
      {"no case: ASCII only", "b", "B", ssAlphaNoCase, 0},
      {"no case keeps non-ASCII case", "\xC3\xA9", "\xC3\x89", ssAlphaNoCase, 1},
      {"prefix is smaller", "ab", "abc", ssAlphabetic, -1},
      {"UTF-16 order: a pair above U+FFFF before U+FF01", "\xF0\x9F\x98\x80", "\xEF\xBC\x81", ssAlphabetic, -1},
      {"markup stripped", "<b>b</b>", "a", ssHTML, 1},
      {"locale order ignores case", "abc", "ABC", ssAnsiAlphaNoCase, 0},
      {"images as integers", "10", "9", ssImages, 1},
  });
  TMemoryGridHost noCase({}, 0);
  noCase.settings.SetAutoFormat(false);
  noCase.settings.SetIgnoreCase(true);
  RunCases({{"IgnoreCase without AutoFormat starts without case", "b", "B", ssAutomatic, 0}}, &noCase);
}

TEST(RowCompareTest, CheckBoxesWhateverTheTextsSay) {
  TMemoryGridHost host({{"1"}, {"0"}}, 0);
  host.checkColumn = 0;
  TRowComparer cmp(host);
  EXPECT_EQ(cmp.CompareCells(0, 0, 1, sdAscending), 1);
  host.rows[0].texts[0] = "0";
  EXPECT_EQ(cmp.CompareCells(0, 0, 1, sdAscending), 0);
}

TEST(RowCompareTest, BlanksGoFirstOrLastInBothDirections) {
  struct Case {
    const char* name;
    TSortBlankPosition pos;
    TSortDirection dir;
    int emptyFirst;  // text1 empty, text2 not
  } cases[] = {
      {"first, ascending", blFirst, sdAscending, -1},
      {"last, ascending", blLast, sdAscending, 1},
      {"first, descending", blFirst, sdDescending, 1},
      {"last, descending", blLast, sdDescending, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TMemoryGridHost host({{""}, {"5"}}, 0);
    host.settings.SetIgnoreBlanks(true);
    host.settings.SetBlankPos(c.pos);
    TRowComparer cmp(host);
    EXPECT_EQ(cmp.CompareCells(0, 0, 1, c.dir), c.emptyFirst);
    EXPECT_EQ(cmp.CompareCells(0, 1, 0, c.dir), -c.emptyFirst);
  }
  // Emptiness is judged after the suffix is removed.
  TMemoryGridHost host({{"kg"}, {"5kg"}}, 0);
  host.settings.SetIgnoreBlanks(true);
  host.settings.SetBlankPos(blLast);
  host.onFormat = [](int, TSortStyle& s, std::string&, std::string& x) { s = ssNumeric, x = "kg"; };
  TRowComparer cmp(host);
  EXPECT_EQ(cmp.CompareCells(0, 0, 1, sdAscending), 1);
}

TEST(RowCompareTest, HandlersDecideCustomAndRawAndCountsGrow) {
  TMemoryGridHost host({{"x", "x"}, {"y", "y"}}, 0);
  host.onFormat = [](int c, TSortStyle& s, std::string&, std::string&) { s = c == 0 ? ssCustom : ssRaw; };
  host.onCustom = [](const std::string& a, const std::string& b, int& r) { r = a == "x" && b == "y" ? 1 : 0; };
  TRowComparer cmp(host);
  EXPECT_EQ(cmp.CompareCells(0, 0, 1, sdAscending), 1);
  std::vector<int> seen;
  host.onRaw = [&](int c, int r1, int r2, int& r) { seen = {c, r1, r2}, r = -1; };
  EXPECT_EQ(cmp.CompareCells(1, 0, 1, sdAscending), -1);
  EXPECT_EQ(seen, (std::vector<int>{1, 0, 1}));
  EXPECT_EQ(cmp.Compares, 2);
}

TEST(RowCompareTest, TiesGoRightWithFullAndThroughTheIndexList) {
  // Columns: 0 key, 1 tie-breaker, 2 ignored, 3 second tie-breaker.
  TMemoryGridHost host({{"1", "b", "z", "1"}, {"1", "a", "a", "2"}}, 0);
  TRowComparer cmp(host);
  EXPECT_EQ(cmp.CompareLine(0, 0, 1), 1);
  host.IgnoreColumns().Add(1);
  EXPECT_EQ(cmp.CompareLine(1, 0, 1), 1) << "an ignored sort column leaves the order to column 2";
  host.IgnoreColumns().Add(2);
  EXPECT_EQ(cmp.CompareLine(0, 0, 1), -1);
  host.settings.SetFull(false);
  EXPECT_EQ(cmp.CompareLine(0, 0, 1), 0);

  host.settings.SetFull(true);
  host.IgnoreColumns().Clear();
  host.SortIndexes().AddIndex(0, true);
  host.SortIndexes().AddIndex(1, false);
  EXPECT_EQ(cmp.CompareLineIndexed(0, 0, 1), -1) << "b before a with column 1 descending";
  host.settings.SetFull(false);
  EXPECT_EQ(cmp.CompareLineIndexed(0, 0, 1), 0) << "only the first entry counts";
}

}  // namespace
}  // namespace hd::test
