// Puts fixed regional settings in force for the life of a test.
#pragma once

#include "platform/regional.h"

namespace hd {

class FormatSettingsOverride {
 public:
  explicit FormatSettingsOverride(const TFormatSettings& fs) {
    SetFormatSettingsProvider([fs] { return fs; });
  }
  ~FormatSettingsOverride() { SetFormatSettingsProvider(nullptr); }
  FormatSettingsOverride(const FormatSettingsOverride&) = delete;
  FormatSettingsOverride& operator=(const FormatSettingsOverride&) = delete;
};

// Settings of a comma-decimal region: "," decimal, "." thousands, day-first dates with ".".
inline TFormatSettings CommaDecimalSettings() {
  TFormatSettings fs;
  fs.DecimalSeparator = ',';
  fs.ThousandSeparator = '.';
  fs.DateSeparator = '.';
  fs.ShortDateFormat = "dd.mm.yyyy";
  fs.LongTimeFormat = "hh:nn:ss";
  return fs;
}

}  // namespace hd
