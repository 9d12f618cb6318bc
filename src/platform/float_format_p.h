// The decimal conversion shared by the float formatters.
#pragma once

#include <string>

#include "platform/regional.h"
#include "platform/sysutils.h"

namespace hd {

constexpr int kNoDecimalLimit = 9999;

// A finite value as 0.d1d2d3... x 10^exponent; digits carry no trailing zeros and are empty
// for zero (which is never negative).
struct DecimalNumber {
  bool negative = false;
  int exponent = 0;
  std::string digits;
};

// Rounds to `precision` significant digits and to `decimals` digits after the point.
DecimalNumber ToDecimal(double value, int precision, int decimals);
std::string FloatToText(double value, TFloatFormat format, int precision, int digits, const TFormatSettings& fs);
// Unsigned fixed-point text of a rounded number; a separator '\0' means none.
std::string FixedDigits(const DecimalNumber& d, int decimals, char thousandSep, char decimalSep);
std::string CurrencyText(const std::string& amount, bool negative, const TFormatSettings& fs);

}  // namespace hd
