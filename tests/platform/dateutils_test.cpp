#include "platform/dateutils.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <optional>

#include "platform/exceptions.h"
#include "platform/format_settings_override.h"

namespace hd {
namespace {

struct Ymd {
  int y, m, d;
  bool operator==(const Ymd&) const = default;
};

struct Hmsz {
  int h, n, s, z;
  bool operator==(const Hmsz&) const = default;
};

Ymd DateOf(TDateTime dt) {
  Ymd r{};
  DecodeDate(dt, r.y, r.m, r.d);
  return r;
}

Hmsz TimeOf(TDateTime dt) {
  Hmsz r{};
  DecodeTime(dt, r.h, r.n, r.s, r.z);
  return r;
}

std::ostream& operator<<(std::ostream& os, const Ymd& v) { return os << v.y << '-' << v.m << '-' << v.d; }
std::ostream& operator<<(std::ostream& os, const Hmsz& v) { return os << v.h << ':' << v.n << ':' << v.s << '.' << v.z; }

class Dates : public testing::Test {
 protected:
  FormatSettingsOverride settings_{TFormatSettings{}};
};

TEST_F(Dates, SerialNumbersCountFromTheEpoch) {
  struct Case {
    Ymd date;
    double serial;
  } cases[] = {
      {{1899, 12, 30}, 0},       {{1899, 12, 29}, -1},     {{1900, 1, 1}, 2},     {{2000, 1, 1}, 36526},
      {{2024, 2, 29}, 45351},    {{1, 1, 1}, -693593},     {{9999, 12, 31}, 2958465},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.date);
    EXPECT_EQ(EncodeDate(c.date.y, c.date.m, c.date.d), c.serial);
    EXPECT_EQ(DateOf(c.serial), c.date);
  }
  // Every date of the range survives decode and encode.
  for (double serial = -693593; serial <= 2958465; serial += 97) {
    Ymd d = DateOf(serial);
    ASSERT_EQ(EncodeDate(d.y, d.m, d.d), serial) << d;
  }
}

TEST_F(Dates, InvalidDatesAndTimesAreRefused) {
  struct Case {
    const char* name;
    Ymd date;
    bool valid;
  } dates[] = {
      {"leap day of a leap year", {2024, 2, 29}, true},
      {"leap day of a common year", {2023, 2, 29}, false},
      {"century without leap day", {1900, 2, 29}, false},
      {"fourth century with leap day", {2000, 2, 29}, true},
      {"31 April", {2020, 4, 31}, false},
      {"day 0", {2020, 1, 0}, false},
      {"month 0", {2020, 0, 1}, false},
      {"month 13", {2020, 13, 1}, false},
      {"year 0", {0, 1, 1}, false},
      {"year 10000", {10000, 1, 1}, false},
  };
  for (const Case& c : dates) {
    SCOPED_TRACE(c.name);
    TDateTime dt = -5;
    EXPECT_EQ(TryEncodeDate(c.date.y, c.date.m, c.date.d, dt), c.valid);
    if (!c.valid) {
      EXPECT_EQ(dt, -5);
      EXPECT_THROW(EncodeDate(c.date.y, c.date.m, c.date.d), EConvertError);
    }
  }
  TDateTime t = 0;
  EXPECT_TRUE(TryEncodeTime(23, 59, 59, 999, t));
  EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, t));
  EXPECT_FALSE(TryEncodeTime(0, 60, 0, 0, t));
  EXPECT_FALSE(TryEncodeTime(0, 0, 60, 0, t));
  EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000, t));
  EXPECT_THROW(EncodeTime(-1, 0, 0, 0), EConvertError);
}

TEST_F(Dates, DecodingTakesTheTimeOfNegativeValuesForwards) {
  EXPECT_EQ(DateOf(-1.25), (Ymd{1899, 12, 29}));
  EXPECT_EQ(TimeOf(-1.25), (Hmsz{6, 0, 0, 0}));
  EXPECT_EQ(DateOf(-0.5), (Ymd{1899, 12, 30}));
  EXPECT_EQ(TimeOf(-0.5), (Hmsz{12, 0, 0, 0}));
  TDateTime dt = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
  EXPECT_EQ(TimeOf(dt), (Hmsz{14, 7, 9, 45}));
  // Values are rounded to the millisecond before they are split.
  TDateTime almostMidnight = EncodeDate(2024, 3, 5) + (86400000 - 0.4) / 86400000;
  EXPECT_EQ(DateOf(almostMidnight), (Ymd{2024, 3, 6}));
  EXPECT_EQ(TimeOf(almostMidnight), (Hmsz{0, 0, 0, 0}));
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 1, 1)), 2);  // a Monday
  EXPECT_EQ(DayOfWeek(0), 7);                      // 1899-12-30 was a Saturday
}

TEST_F(Dates, IncMonthHoldsTheDayToTheMonth) {
  TDateTime dt = IncMonth(EncodeDate(2024, 1, 31) + 0.5, 1);
  EXPECT_EQ(DateOf(dt), (Ymd{2024, 2, 29}));
  EXPECT_EQ(TimeOf(dt), (Hmsz{12, 0, 0, 0}));
  EXPECT_EQ(DateOf(IncMonth(EncodeDate(2024, 3, 31), -13)), (Ymd{2023, 2, 28}));
  EXPECT_EQ(DateOf(IncMonth(EncodeDate(2023, 12, 15), 1)), (Ymd{2024, 1, 15}));
  // Past year 9999 or before year 1 there is no date, however far.
  for (int months : {12 * 8000, INT_MAX, -12 * 3000, INT_MIN}) {
    SCOPED_TRACE(months);
    EXPECT_THROW(IncMonth(EncodeDate(2024, 1, 31), months), EConvertError);
  }
}

TEST_F(Dates, FormatDateTimeCharacters) {
  const TDateTime dt = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);  // a Tuesday
  const TDateTime midnight = EncodeDate(2024, 3, 5);
  const TDateTime earlyMorning = midnight + EncodeTime(0, 30, 0, 0);
  struct Case {
    const char* format;
    TDateTime value;
    const char* text;
  } cases[] = {
      {"yyyy-mm-dd", dt, "2024-03-05"},
      {"d/m/yy", dt, "5/3/24"},
      {"MM/DD/YYYY", dt, "03/05/2024"},
      {"dd mmm yyyy", dt, "05 Mar 2024"},
      {"dddd, mmmm d", dt, "Tuesday, March 5"},
      {"ddd", dt, "Tue"},
      {"hh:mm:ss", dt, "14:07:09"},
      {"hh:nn:ss.zzz", dt, "14:07:09.045"},
      {"h:n:s z", dt, "14:7:9 45"},
      {"h:nn am/pm", dt, "2:07 pm"},
      {"h:nn AM/PM", dt, "2:07 PM"},
      {"h a/p", dt, "2 p"},
      {"h ampm", dt, "2 PM"},
      {"h:nn am/pm", earlyMorning, "12:30 am"},
      {"c", dt, "05/03/2024 14:07:09"},
      {"c", midnight, "05/03/2024"},
      {"", dt, "05/03/2024 14:07:09"},
      {"ddddd", dt, "05/03/2024"},
      {"dddddd", dt, "Tuesday, 5 March 2024"},
      {"t", dt, "14:07"},
      {"tt", dt, "14:07:09"},
      {"'d'd \"yy\"yy", dt, "d5 yy24"},
      {"yyyy-mm-dd", -1.25, "1899-12-29"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("format \"") + c.format + "\"");
    EXPECT_EQ(FormatDateTime(c.format, c.value), c.text);
  }
}

TEST_F(Dates, RegionalSettingsAreReadAtEachUse) {
  const TDateTime dt = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0);
  EXPECT_EQ(DateToStr(dt), "05/03/2024");
  {
    TFormatSettings fs = CommaDecimalSettings();
    fs.TimeSeparator = '.';
    fs.LongTimeFormat = "hh:nn:ss";
    FormatSettingsOverride comma(fs);
    EXPECT_EQ(DateToStr(dt), "05.03.2024");
    EXPECT_EQ(TimeToStr(dt), "14.07.09");
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy", dt), "05.03.2024");
    EXPECT_EQ(StrToDate("05.03.2024"), EncodeDate(2024, 3, 5));
    TDateTime out = 0;
    EXPECT_FALSE(TryStrToDate("05/03/2024", out));
  }
  EXPECT_EQ(DateToStr(dt), "05/03/2024");
}

TEST_F(Dates, StrToDateFollowsTheShortDateOrder) {
  TFormatSettings dmy;
  TFormatSettings mdy;
  mdy.ShortDateFormat = "m/d/yyyy";
  TFormatSettings ymd;
  ymd.ShortDateFormat = "yyyy-mm-dd";
  ymd.DateSeparator = '-';
  int thisYear = DateOf(Date()).y;
  struct Case {
    const char* name;
    const char* text;
    const TFormatSettings& fs;
    std::optional<Ymd> date;
  } cases[] = {
      {"day first", "05/03/2024", dmy, Ymd{2024, 3, 5}},
      {"blanks around", " 5 / 3 / 2024 ", dmy, Ymd{2024, 3, 5}},
      {"trailing separator", "5/3/2024/", dmy, Ymd{2024, 3, 5}},
      {"month first", "3/5/2024", mdy, Ymd{2024, 3, 5}},
      {"year first", "2024-03-05", ymd, Ymd{2024, 3, 5}},
      {"two fields take this year", "5/3", dmy, Ymd{thisYear, 3, 5}},
      {"two-digit year", "5/3/24", dmy, Ymd{2024, 3, 5}},
      {"31 February", "31/02/2024", dmy, std::nullopt},
      {"month 13", "05/13/2024", dmy, std::nullopt},
      {"other separator", "5-3-2024", dmy, std::nullopt},
      {"trailing text", "5/3/2024x", dmy, std::nullopt},
      {"five-digit year", "5/3/20245", dmy, std::nullopt},
      {"empty", "", dmy, std::nullopt},
      {"one field", "5", dmy, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TDateTime dt = -3;
    EXPECT_EQ(TryStrToDate(c.text, dt, c.fs), c.date.has_value());
    if (c.date) {
      EXPECT_EQ(DateOf(dt), *c.date);
      EXPECT_EQ(dt, std::trunc(dt));
    } else {
      EXPECT_EQ(dt, -3);
    }
  }
}

TEST_F(Dates, StrToTimeAndStrToDateTime) {
  struct Case {
    const char* text;
    std::optional<Hmsz> time;
  } cases[] = {
      {"14:07", Hmsz{14, 7, 0, 0}},
      {"14:07:09", Hmsz{14, 7, 9, 0}},
      {"14:07:09.500", Hmsz{14, 7, 9, 500}},
      {"9", Hmsz{9, 0, 0, 0}},
      {"2:07 pm", Hmsz{14, 7, 0, 0}},
      {"PM 2:07", Hmsz{14, 7, 0, 0}},
      {"12:00 am", Hmsz{0, 0, 0, 0}},
      {"12:00 PM", Hmsz{12, 0, 0, 0}},
      {"13:00 pm", std::nullopt},
      {"0:30 am", std::nullopt},
      {"24:00", std::nullopt},
      {"10:60", std::nullopt},
      {"10:", std::nullopt},
      {"10:30 x", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TDateTime t = -3;
    EXPECT_EQ(TryStrToTime(c.text, t), c.time.has_value());
    if (c.time) {
      EXPECT_EQ(TimeOf(t), *c.time);
    }
  }
  TDateTime dt = 0;
  ASSERT_TRUE(TryStrToDateTime("05/03/2024 14:07:09", dt));
  EXPECT_EQ(DateOf(dt), (Ymd{2024, 3, 5}));
  EXPECT_EQ(TimeOf(dt), (Hmsz{14, 7, 9, 0}));
  ASSERT_TRUE(TryStrToDateTime("05/03/2024", dt));
  EXPECT_EQ(dt, EncodeDate(2024, 3, 5));
  ASSERT_TRUE(TryStrToDateTime("14:07", dt));
  EXPECT_EQ(dt, EncodeTime(14, 7, 0, 0));
  EXPECT_FALSE(TryStrToDateTime("05/03/2024 25:00", dt));
  EXPECT_FALSE(TryStrToDateTime("05/03/2024 10:00 x", dt));
  // A date before the epoch carries its time forwards.
  ASSERT_TRUE(TryStrToDateTime("29/12/1899 06:00", dt));
  EXPECT_EQ(dt, -1.25);
}

TEST_F(Dates, ConversionErrorsNameTheText) {
  auto message = [](auto convert, const char* text) {
    try {
      convert(text);
    } catch (const EConvertError& e) {
      return e.Message();
    }
    return std::string("no error");
  };
  EXPECT_EQ(message(StrToDate, "x"), "'x' is not a valid date");
  EXPECT_EQ(message(StrToTime, "25:00"), "'25:00' is not a valid time");
  EXPECT_EQ(message(StrToDateTime, "1/1/1 x"), "'1/1/1 x' is not a valid date and time");
}

TEST_F(Dates, WrittenDatesReadBack) {
  for (const TFormatSettings& fs : {TFormatSettings{}, CommaDecimalSettings(), InvariantFormatSettings()}) {
    SCOPED_TRACE(fs.ShortDateFormat);
    FormatSettingsOverride use(fs);
    for (TDateTime dt : {EncodeDate(1, 1, 1), EncodeDate(1899, 12, 30), EncodeDate(2024, 2, 29), EncodeDate(9999, 12, 31)}) {
      // Before the epoch the time counts forwards from the start of the day too.
      TDateTime withTime = dt >= 0 ? dt + EncodeTime(23, 59, 58, 0) : dt - EncodeTime(23, 59, 58, 0);
      EXPECT_EQ(StrToDate(DateToStr(dt)), dt);
      EXPECT_EQ(StrToDateTime(DateTimeToStr(withTime)), withTime);
    }
  }
}

}  // namespace
}  // namespace hd
