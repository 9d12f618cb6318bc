// The spin edit's value rules without a window: the character check per kind, the stepping
// of date and time parts under the caret, and the conversions with their fall-backs.
#include "grid/editors/spin_value.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/dateutils.h"

namespace hd {
namespace {

TFormatSettings Dmy() {
  TFormatSettings fs;
  fs.DecimalSeparator = '.';
  fs.ThousandSeparator = ',';
  fs.DateSeparator = '/';
  fs.TimeSeparator = ':';
  fs.ShortDateFormat = "dd/mm/yyyy";
  fs.LongTimeFormat = "hh:nn:ss";
  return fs;
}

TFormatSettings Mdy() {
  TFormatSettings fs = Dmy();
  fs.ShortDateFormat = "mm/dd/yyyy";
  return fs;
}

// A comma decimal separator and a dot for thousands.
TFormatSettings Comma() {
  TFormatSettings fs = Dmy();
  fs.DecimalSeparator = ',';
  fs.ThousandSeparator = '.';
  return fs;
}

// The date separator doubles as the decimal one.
TFormatSettings DotDates() {
  TFormatSettings fs = Dmy();
  fs.DateSeparator = '.';
  fs.ShortDateFormat = "dd.mm.yyyy";
  return fs;
}

struct CharCase {
  const char* name;
  TEsgSpinType type;
  const char* text;
  int selStart;
  int selLength;
  int precision;
  bool editorEnabled;
  TKeyChar key;
  bool valid;
  TFormatSettings (*locale)() = Dmy;
};

TEST(SpinValueTest, CharCheckFollowsKindTextCaretAndSelection) {
  const CharCase cases[] = {
      {"digit in an integer", sptNormal, "12", 2, 0, 0, true, '5', true},
      {"letter in an integer", sptNormal, "12", 2, 0, 0, true, 'a', false},
      {"dotless i is no digit (not its low byte)", sptNormal, "12", 2, 0, 0, true, 0x131, false},
      {"decimal separator in an integer", sptNormal, "12", 2, 0, 0, true, '.', false},
      {"time separator in an integer", sptNormal, "12", 2, 0, 0, true, ':', false},
      {"minus at the start", sptNormal, "12", 0, 0, 0, true, '-', true},
      {"minus in the middle", sptNormal, "12", 1, 0, 0, true, '-', false},
      {"second minus", sptNormal, "-12", 0, 0, 0, true, '-', false},
      {"minus over the selected minus", sptNormal, "-12", 0, 1, 0, true, '-', true},
      {"backspace, editor on", sptNormal, "12", 2, 0, 0, true, 8, true},
      {"backspace, editor off", sptNormal, "12", 2, 0, 0, false, 8, false},
      {"digit, editor off", sptNormal, "12", 2, 0, 0, false, '5', false},
      {"Ctrl+C, editor off", sptNormal, "12", 2, 0, 0, false, 3, true},
      {"Ctrl+V in an integer", sptNormal, "12", 2, 0, 0, true, 22, true},
      {"Return", sptNormal, "12", 2, 0, 0, true, 13, false},
      {"first decimal separator", sptFloat, "12", 2, 0, 2, true, '.', true},
      {"second decimal separator", sptFloat, "1.2", 3, 0, 2, true, '.', false},
      {"decimal separator over the selected one", sptFloat, "1.2", 1, 1, 2, true, '.', true},
      {"thousand separator in a float", sptFloat, "12", 2, 0, 0, true, ',', false},
      {"third decimal", sptFloat, "1.23", 4, 0, 2, true, '4', false},
      {"second decimal", sptFloat, "1.2", 3, 0, 2, true, '4', true},
      {"digit before the point, decimals full", sptFloat, "1.23", 0, 0, 2, true, '4', true},
      {"decimal over a selection, decimals full", sptFloat, "1.23", 3, 1, 2, true, '4', true},
      {"backspace, decimals full", sptFloat, "1.23", 4, 0, 2, true, 8, true},
      {"any decimals with precision 0", sptFloat, "1.2345", 6, 0, 0, true, '6', true},
      {"date separator in a date", sptDate, "01/02", 5, 0, 0, true, '/', true},
      {"time separator in a date", sptDate, "01/02", 5, 0, 0, true, ':', false},
      {"date separator in a time", sptTime, "10", 2, 0, 0, true, '/', false},
      {"second time separator", sptTime, "10:20", 5, 0, 0, true, ':', true},
      {"third time separator", sptTime, "10:20:30", 8, 0, 0, true, ':', false},
      {"date separator doubling as decimal, float", sptFloat, "12", 2, 0, 0, true, '.', true, DotDates},
      {"date separator doubling as decimal, integer", sptNormal, "12", 2, 0, 0, true, '.', false, DotDates},
      {"date separator doubling as decimal, time", sptTime, "12", 2, 0, 0, true, '.', false, DotDates},
      {"comma decimal in a float", sptFloat, "12", 2, 0, 2, true, ',', true, Comma},
      {"dot thousands in a float", sptFloat, "12", 2, 0, 2, true, '.', false, Comma},
  };
  for (const CharCase& c : cases) {
    SCOPED_TRACE(c.name);
    TSpinCharState state{c.type, c.text, c.selStart, c.selLength, c.precision, c.editorEnabled};
    EXPECT_EQ(SpinCharValid(state, c.key, c.locale()), c.valid);
  }
}

struct DateStepCase {
  const char* name;
  TFormatSettings (*locale)();
  int y, m, d;
  int caret;
  int delta;
  int ey, em, ed;
};

TEST(SpinValueTest, DateStepsThePartUnderTheCaretInTheLocalesOrder) {
  const DateStepCase cases[] = {
      {"day first, caret in the day", Dmy, 2024, 3, 15, 1, 1, 2024, 3, 16},
      {"day first, caret before the first separator", Dmy, 2024, 3, 15, 2, 1, 2024, 3, 16},
      {"day first, caret in the month", Dmy, 2024, 3, 15, 4, 1, 2024, 4, 15},
      {"day first, caret in the year", Dmy, 2024, 3, 15, 8, -1, 2023, 3, 15},
      {"month first, caret in the month", Mdy, 2024, 3, 15, 0, 1, 2024, 4, 15},
      {"month first, caret in the day", Mdy, 2024, 3, 15, 4, 1, 2024, 3, 16},
      {"month first, day down across a month", Mdy, 2024, 3, 1, 4, -1, 2024, 2, 29},
      {"month on 31 January lands on the month's last day", Dmy, 2023, 1, 31, 4, 1, 2023, 2, 28},
      {"leap day up a year", Mdy, 2024, 2, 29, 9, 1, 2025, 2, 28},
      {"leap day down a year", Dmy, 2024, 2, 29, 9, -1, 2023, 2, 28},
  };
  for (const DateStepCase& c : cases) {
    SCOPED_TRACE(c.name);
    TFormatSettings fs = c.locale();
    TDateTime value = EncodeDate(c.y, c.m, c.d);
    std::string text = FormatDateTime(fs.ShortDateFormat, value, fs);
    TDateTime stepped = StepDatePart(value, text, c.caret, c.delta, fs);
    int y = 0, m = 0, d = 0;
    DecodeDate(stepped, y, m, d);
    EXPECT_EQ(y, c.ey);
    EXPECT_EQ(m, c.em);
    EXPECT_EQ(d, c.ed);
  }
}

struct TimeStepCase {
  const char* name;
  const char* text;
  int caret;
  bool up;
  bool showSeconds;
  TTimeSteps steps;
  const char* expected;
};

TEST(SpinValueTest, TimeStepsHoursMinutesOrSecondsAndWrapsPastMidnight) {
  const TimeStepCase cases[] = {
      {"hours down past midnight", "00:10:00", 1, false, true, {1, 1, 1}, "23:10:00"},
      {"hours up past midnight", "23:30:00", 0, true, true, {1, 1, 1}, "00:30:00"},
      {"minutes", "10:15:30", 4, true, true, {1, 5, 1}, "10:20:30"},
      {"caret right after the first separator is minutes", "10:15:30", 3, false, true, {1, 5, 1}, "10:10:30"},
      {"seconds", "10:15:30", 7, true, true, {1, 1, 10}, "10:15:40"},
      {"seconds down past midnight", "00:00:05", 7, false, true, {1, 1, 10}, "23:59:55"},
      {"without seconds the last part is minutes", "10:15", 4, true, false, {1, 1, 10}, "10:16"},
      {"hour step of 2", "10:15", 1, true, false, {2, 1, 1}, "12:15"},
  };
  TFormatSettings fs = Dmy();
  for (const TimeStepCase& c : cases) {
    SCOPED_TRACE(c.name);
    TDateTime value = SpinTimeFromText(c.text, fs);
    TDateTime stepped = StepTimePart(value, c.text, c.caret, c.up, c.showSeconds, c.steps, fs);
    EXPECT_EQ(c.showSeconds ? SpinTimeText(stepped, true, fs) : FormatDateTime("hh:nn", stepped, fs), c.expected);
  }
}

TEST(SpinValueTest, TextsThatAreNoValueFallBackInsteadOfRaising) {
  TFormatSettings fs = Dmy();
  EXPECT_EQ(SpinIntFromText("  42 ", 5), 42);
  EXPECT_EQ(SpinIntFromText("", 5), 0);
  EXPECT_EQ(SpinIntFromText("4x2", 5), 5);
  EXPECT_DOUBLE_EQ(SpinFloatFromText("2.5", -1, fs), 2.5);
  EXPECT_DOUBLE_EQ(SpinFloatFromText("abc", -1, fs), -1);
  EXPECT_DOUBLE_EQ(SpinDateFromText("31/02/2024", 7, fs), 7);
  EXPECT_DOUBLE_EQ(SpinDateFromText("15/03/2024", 7, fs), EncodeDate(2024, 3, 15));
  // "0" and an empty text are today, now.
  EXPECT_NEAR(SpinDateFromText("0", 7, fs), Now(), 1.0 / 24);
  EXPECT_NEAR(SpinDateFromText("", 7, fs), Now(), 1.0 / 24);
  EXPECT_DOUBLE_EQ(SpinTimeFromText("25:99", fs), 0);
}

TEST(SpinValueTest, LimitsHoldValuesUnlessEqual) {
  EXPECT_EQ(HoldWithin(150, 0, 100), 100);
  EXPECT_EQ(HoldWithin(-5, 0, 100), 0);
  EXPECT_EQ(HoldWithin(150, 0, 0), 150);
  EXPECT_EQ(HoldWithin(150, 7, 7), 150);
  EXPECT_DOUBLE_EQ(HoldWithin(2.5, 0.0, 1.0), 1.0);
  TFormatSettings fs = Dmy();
  EXPECT_EQ(SpinFloatText(1.0 / 3, 2, fs), "0.33");
  EXPECT_EQ(SpinFloatText(2.5, 0, fs), "2.5");
  EXPECT_EQ(SpinTimeText(EncodeTime(9, 5, 7, 0), false, fs), "9:05");
  EXPECT_EQ(SpinTimeText(EncodeTime(9, 5, 7, 0), true, fs), "09:05:07");
}

}  // namespace
}  // namespace hd
