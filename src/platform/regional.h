// Regional settings, read at each use so that a change (or a test's override) is seen at once.
#pragma once

#include <functional>
#include <string>

namespace hd {

struct TFormatSettings {
  char DecimalSeparator = '.';
  char ThousandSeparator = ',';
  char DateSeparator = '/';
  char TimeSeparator = ':';
  std::string ShortDateFormat = "dd/mm/yyyy";
  std::string LongDateFormat = "dddd, d mmmm yyyy";
  std::string ShortTimeFormat = "hh:nn";
  std::string LongTimeFormat = "hh:nn:ss";
  std::string TimeAMString = "AM";
  std::string TimePMString = "PM";
  // Currency: CurrencyFormat 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"; NegCurrFormat 0-15 as the platform's.
  std::string CurrencyString = "$";
  int CurrencyFormat = 0;
  int NegCurrFormat = 0;
  int CurrencyDecimals = 2;
  // A two-digit year read from text lies within this many years before the current year
  // and (100 - this) after; 0 takes the current century.
  int TwoDigitYearCenturyWindow = 50;
  std::string ShortMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::string LongMonthNames[12] = {"January", "February", "March", "April", "May", "June", "July",
                                    "August", "September", "October", "November", "December"};
  std::string ShortDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::string LongDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
};

// The settings in force now: the provider's answer, or the platform's own when none is set.
TFormatSettings FormatSettings();
// Tests (and only tests) replace the source; an empty function restores the platform's.
void SetFormatSettingsProvider(std::function<TFormatSettings()> provider);
// The platform's own settings (the user's locale), whatever the provider.
TFormatSettings PlatformFormatSettings();
// Neutral settings for texts whose form is fixed: "." decimal, "," thousands, "mm/dd/yyyy"
// dates, "hh:nn:ss" times, English names.
TFormatSettings InvariantFormatSettings();

}  // namespace hd
