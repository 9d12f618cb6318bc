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

}  // namespace hd
