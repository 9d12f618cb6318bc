#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <cmath>
#include <optional>

#include "platform/exceptions.h"
#include "platform/sysutils.h"
#include "platform/format_settings_override.h"

namespace hd {
namespace {

class FloatFormat : public testing::Test {
 protected:
  FormatSettingsOverride dotDecimal_{TFormatSettings{}};
};

TEST_F(FloatFormat, StrToFloatReadsTheRegionalDecimalSeparatorOnly) {
  struct Case {
    const char* text;
    std::optional<double> value;
  } cases[] = {
      {"1.5", 1.5},       {" -0.25 ", -0.25},     {"+3", 3.0},          {"1e3", 1000.0},
      {"1E-2", 0.01},     {"2.5e+1", 25.0},       {".5", 0.5},          {"5.", 5.0},
      {"1e-400", 0.0},    {"1,5", std::nullopt},  {"1,000.5", std::nullopt}, {"", std::nullopt},
      {".", std::nullopt}, {"e5", std::nullopt},  {"1e", std::nullopt},  {"1e+", std::nullopt},
      {"\t1", std::nullopt}, {"1.5.2", std::nullopt}, {"1e400", std::nullopt}, {"$10", std::nullopt},
      {"- 1", std::nullopt}, {"INF", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    double v = -7;
    EXPECT_EQ(TryStrToFloat(c.text, v), c.value.has_value());
    EXPECT_DOUBLE_EQ(v, c.value.value_or(-7));
    EXPECT_DOUBLE_EQ(StrToFloatDef(c.text, -9), c.value.value_or(-9));
  }
  try {
    StrToFloat("abc");
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'abc' is not a valid floating point value");
  }
}

TEST_F(FloatFormat, SeparatorsAreReadAtEachUse) {
  EXPECT_EQ(FloatToStr(1.5), "1.5");
  {
    FormatSettingsOverride comma(CommaDecimalSettings());
    EXPECT_DOUBLE_EQ(StrToFloat("1,5"), 1.5);
    EXPECT_EQ(StrToFloatDef("1.5", -1), -1);
    EXPECT_EQ(FloatToStr(-1234.5), "-1234,5");
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5), "1.234,50");
    EXPECT_EQ(Format("%.2f|%n", {3.14159, 1234567.891}), "3,14|1.234.567,89");
    // Fixed settings win over the regional ones.
    EXPECT_EQ(FloatToStr(1.5, InvariantFormatSettings()), "1.5");
  }
  EXPECT_EQ(FloatToStr(1.5), "1.5");
}

TEST_F(FloatFormat, FloatToStrUsesFifteenSignificantDigits) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {100.0, "100"},
      {-1.5, "-1.5"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {123456789012345.0, "123456789012345"},
      {1e15, "1E15"},
      {1234567890123456.0, "1.23456789012346E15"},
      {0.0001, "0.0001"},
      {0.00001, "1E-5"},
      {-1.5e-7, "-1.5E-7"},
      {INFINITY, "INF"},
      {-INFINITY, "-INF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FloatToStr(c.value), c.text);
  }
}

TEST_F(FloatFormat, FloatToStrFFormats) {
  TFormatSettings euro = CommaDecimalSettings();
  euro.CurrencyString = "EUR";
  euro.CurrencyFormat = 3;
  euro.NegCurrFormat = 8;
  struct Case {
    const char* name;
    double value;
    TFloatFormat format;
    int precision, digits;
    const char* text;
    TFormatSettings fs;
  } cases[] = {
      {"fixed", 1234.5678, ffFixed, 15, 2, "1234.57", {}},
      {"fixed keeps zeros", 2.0, ffFixed, 15, 3, "2.000", {}},
      {"fixed too wide", 1e20, ffFixed, 15, 2, "1E20", {}},
      {"number", 1234567.891, ffNumber, 15, 0, "1,234,568", {}},
      {"negative number", -1234.5, ffNumber, 15, 1, "-1,234.5", {}},
      {"exponent tie away from zero", 1234.5, ffExponent, 4, 2, "1.235E+03", {}},
      {"small exponent", -0.000123, ffExponent, 3, 0, "-1.23E-4", {}},
      {"general short", 1234.5, ffGeneral, 3, 0, "1.23E3", {}},
      {"general digits", 1e20, ffGeneral, 15, 3, "1E020", {}},
      {"currency after", 1234.5, ffCurrency, 15, 2, "1.234,50 EUR", euro},
      {"negative currency", -1234.5, ffCurrency, 15, 2, "-1.234,50 EUR", euro},
      {"default currency", -5, ffCurrency, 15, 2, "($5.00)", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits, c.fs), c.text);
  }
}

TEST_F(FloatFormat, FormatFloatPictures) {
  struct Case {
    const char* picture;
    double value;
    const char* text;
  } cases[] = {
      {"", 1234, "1234"},
      {"", 0.5, "0.5"},
      {"0", 1234, "1234"},
      {"0", -1234, "-1234"},
      {"0", 0.5, "1"},
      {"0", 2.5, "3"},
      {"0", -2.5, "-3"},
      {"0.00", 1234, "1234.00"},
      {"0.00", 0.5, "0.50"},
      {"0.00", 1.005, "1.01"},
      {"#.##", 1234, "1234"},
      {"#.##", -1234, "-1234"},
      {"#.##", 0.5, ".5"},
      {"#.##", 0, ""},
      {"#,##0.00", 1234, "1,234.00"},
      {"#,##0.00", -1234, "-1,234.00"},
      {"#,##0.00", 0, "0.00"},
      {"#,##0", 1234567.8, "1,234,568"},
      {"#,##0.00;(#,##0.00)", -1234, "(1,234.00)"},
      {"#,##0.00;(#,##0.00)", 0.5, "0.50"},
      {"#,##0.00;;Zero", 0, "Zero"},
      {"#,##0.00;;Zero", -1234, "-1,234.00"},
      {"#,##0.00;;Zero", 0.001, "Zero"},
      {"0.000E+00", 1234, "1.234E+03"},
      {"0.000E+00", -1234, "-1.234E+03"},
      {"0.000E+00", 0.5, "5.000E-01"},
      {"0.000E+00", 0, "0.000E+00"},
      {"#.###E-0", 1234, "1.234E3"},
      {"#.###E-0", 0.5, "5E-1"},
      {"#.###E-0", 0, "0E0"},
      {"00.0E+0", 1234, "12.3E+2"},
      {"000", 7, "007"},
      {"0.0", -0.04, "0.0"},
      {"0.###", 1.5, "1.5"},
      {"0.0##", 1.23456, "1.235"},
      {".00", 1.5, "1.50"},
      {"'$'#,##0.00", 5, "$5.00"},
      {"\"x;\"0", 5, "x;5"},
      {"0 kg", 12, "12 kg"},
      {"#,##0", 999999999999999999.0, "1E18"},
      {"#,##0", -1e20, "-1E20"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("picture \"") + c.picture + "\" value " + std::to_string(c.value));
    EXPECT_EQ(FormatFloat(c.picture, c.value), c.text);
  }
}

TEST_F(FloatFormat, FormatDirectives) {
  struct Case {
    const char* name;
    std::string text, expected;
  } cases[] = {
      {"decimal", Format("%d", {42}), "42"},
      {"width", Format("%5d|", {42}), "   42|"},
      {"left", Format("%-5d|", {42}), "42   |"},
      {"digits", Format("%.4d", {-42}), "-0042"},
      {"hex", Format("%x %.4x %x", {255, 255, -1}), "FF 00FF FFFFFFFF"},
      {"unsigned", Format("%u", {-1}), "4294967295"},
      {"fixed", Format("%.2f", {3.14159}), "3.14"},
      {"fixed of an integer", Format("%.2f", {2}), "2.00"},
      {"fixed default", Format("%f", {1.005}), "1.01"},
      {"number", Format("%n", {1234567.891}), "1,234,567.89"},
      {"number no decimals", Format("%.0n", {1234.5}), "1,235"},
      {"exponent", Format("%e", {1234.5}), "1.23450000000000E+003"},
      {"general", Format("%g", {0.5}), "0.5"},
      {"money", Format("%m", {-5.0}), "($5.00)"},
      {"texts", Format("%s=%s", {"a", std::string("b")}), "a=b"},
      {"index", Format("%1:s %0:s %s", {"a", "b"}), "b a b"},
      {"star", Format("%*d|%.*f", {4, 7, 1, 2.25}), "   7|2.3"},
      {"cut text", Format("%.3s", {"abcdef"}), "abc"},
      {"percent", Format("100%%", {}), "100%"},
      {"clipboard offset", Format("%s%.8d", {"StartHTML:", 105}), "StartHTML:00000105"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.text, c.expected);
  }
}

TEST_F(FloatFormat, FormatRejectsMissingAndMismatchedArguments) {
  EXPECT_THROW(Format("%d", {1.5}), EConvertError);
  EXPECT_THROW(Format("%d %d", {1}), EConvertError);
  EXPECT_THROW(Format("%s", {5}), EConvertError);
  EXPECT_THROW(Format("%f", {"x"}), EConvertError);
  EXPECT_THROW(Format("%q", {1}), EConvertError);
  EXPECT_THROW(Format("%", {1}), EConvertError);
}

// A "*" width took any integer and padded to it: %*d of two billion allocated gigabytes.
TEST_F(FloatFormat, StarWidthOrPrecisionBeyondTheWrittenLimitIsAConversionError) {
  EXPECT_EQ(Format("%*d", {999999, 1}).size(), 999999u);
  EXPECT_EQ(Format("%9999999d", {1}).size(), 999999u);  // written-out widths stop there
  EXPECT_THROW(Format("%*d", {1000000, 1}), EConvertError);
  EXPECT_THROW(Format("%*d", {std::int64_t{2000000000}, 1}), EConvertError);
  EXPECT_THROW(Format("%*d", {std::int64_t{1} << 32, 1}), EConvertError);  // not 0 once cut to 32 bits
  EXPECT_THROW(Format("%.*d", {std::int64_t{2000000000}, 1}), EConvertError);
  EXPECT_THROW(Format("%.*s", {std::int64_t{-2000000000}, "a"}), EConvertError);
}

// FloatToStr of the largest doubles rounded past the range, so StrToFloat refused its text.
TEST_F(FloatFormat, FloatToStrOfTheLargestDoublesReadsBack) {
  const double max = std::numeric_limits<double>::max();
  for (double v : {max, -max, std::nextafter(max, 0.0), 1.7976931348623150e308, 1.797693134862315e308}) {
    SCOPED_TRACE(v);
    const std::string text = FloatToStr(v);
    double back = 0;
    ASSERT_TRUE(TryStrToFloat(text, back)) << text;
    EXPECT_NEAR(back / v, 1.0, 1e-14) << text;
  }
  EXPECT_EQ(FloatToStr(1.7e308), "1.7E308");  // below the edge the text stays as short as before
}

}  // namespace
}  // namespace hd
