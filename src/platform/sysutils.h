// Text and number conversions as the platform's runtime does them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <variant>

#include "platform/regional.h"

namespace hd {

// Characters <= 0x20 are removed at the ends.
std::string Trim(const std::string& s);
std::string TrimLeft(const std::string& s);
std::string TrimRight(const std::string& s);
// ASCII case mapping; other bytes are left alone.
std::string UpperCase(const std::string& s);
std::string LowerCase(const std::string& s);
// Case mapping and letter tests of the user's locale, for every character.
std::string AnsiUpperCase(const std::string& s);
std::string AnsiLowerCase(const std::string& s);
bool IsCharAlpha(char32_t c);
bool IsCharAlphaNumeric(char32_t c);
bool SameText(const std::string& a, const std::string& b);
int CompareText(const std::string& a, const std::string& b);
int CompareStr(const std::string& a, const std::string& b);

// 1-based byte positions; Pos answers 0 when not found; Copy clips to the text.
int Pos(const std::string& sub, const std::string& s, int offset = 1);
std::string Copy(const std::string& s, int index, int count);
std::string StringReplaceAll(const std::string& s, const std::string& from, const std::string& to);
std::string StringOfChar(char c, int count);

// Code points of UTF-8 text, for the places that count characters rather than bytes.
int Utf8Length(const std::string& s);
std::u32string Utf8ToCodePoints(const std::string& s);
std::string CodePointsToUtf8(const std::u32string& cps);
// 1-based code-point position of sub in s, 0 when not found.
int Utf8Pos(const std::string& sub, const std::string& s);
// count code points from 1-based code-point index.
std::string Utf8Copy(const std::string& s, int index, int count);

// The one integer reader: optional leading blanks (0x20 only), optional sign, decimal digits,
// or hexadecimal after "$", "x", "X", "0x", "0X"; the whole text must be consumed. Decimal must
// fit 32 bits signed; hexadecimal up to $FFFFFFFF is a 32-bit pattern.
bool TryStrToInt(const std::string& s, int& value);
// Raises EConvertError "'<text>' is not a valid integer value".
int StrToInt(const std::string& s);
int StrToIntDef(const std::string& s, int def);
bool TryStrToInt64(const std::string& s, std::int64_t& value);
std::int64_t StrToInt64(const std::string& s);
std::int64_t StrToInt64Def(const std::string& s, std::int64_t def);

std::string IntToStr(std::int64_t value);
// Upper-case hexadecimal, at least `digits` digits; negative values as their 64-bit pattern
// when value is 64-bit, as their 32-bit pattern through the int overload.
std::string IntToHex(int value, int digits);
std::string IntToHex(std::int64_t value, int digits);
std::string IntToHex(std::uint32_t value, int digits);
std::string IntToHex(std::uint64_t value, int digits);

// Floats with the regional decimal and thousands separators, read at each use. Reading takes
// blanks at both ends, a sign, digits with one decimal separator and an exponent; no thousands
// separators. The overloads with settings serve texts whose separators are fixed (files).
bool TryStrToFloat(const std::string& s, double& value);
bool TryStrToFloat(const std::string& s, double& value, const TFormatSettings& fs);
double StrToFloat(const std::string& s);  // EConvertError "'<text>' is not a valid floating point value"
double StrToFloatDef(const std::string& s, double def);
std::string FloatToStr(double value);  // up to 15 significant digits, general format
std::string FloatToStr(double value, const TFormatSettings& fs);
enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits);
std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits, const TFormatSettings& fs);
// Picture formats "0", "#", ".", ",", "E+"/"E-", quoted literals and ";" sections. Halves are
// rounded away from zero, as in the platform's decimal conversion.
std::string FormatFloat(const std::string& format, double value);
std::string FormatFloat(const std::string& format, double value, const TFormatSettings& fs);

// One argument of Format: an integer, a float or a text.
class TFormatArg {
 public:
  TFormatArg(int v) : value_(static_cast<std::int64_t>(v)) {}
  TFormatArg(long v) : value_(static_cast<std::int64_t>(v)) {}
  TFormatArg(long long v) : value_(static_cast<std::int64_t>(v)) {}
  TFormatArg(unsigned v) : value_(static_cast<std::int64_t>(v)) {}
  TFormatArg(unsigned long v) : value_(static_cast<std::int64_t>(v)) {}
  TFormatArg(unsigned long long v) : value_(static_cast<std::int64_t>(v)) {}
  TFormatArg(double v) : value_(v) {}
  TFormatArg(const char* v) : value_(std::string(v)) {}
  TFormatArg(const std::string& v) : value_(v) {}
  TFormatArg(char v) : value_(std::string(1, v)) {}
  const std::variant<std::int64_t, double, std::string>& Value() const { return value_; }

 private:
  std::variant<std::int64_t, double, std::string> value_;
};

// The platform's Format: "%" [index ":"] ["-"] [width] ["." precision] type, with the types
// d u x (integers), e f g n m (floats; an integer is taken as a float), s (text) and "%%".
// Width and precision may be "*" (taken from the arguments). A missing or mismatched argument
// raises EConvertError.
std::string Format(const std::string& format, std::initializer_list<TFormatArg> args);
std::string Format(const std::string& format, std::initializer_list<TFormatArg> args, const TFormatSettings& fs);

// Halves to even, as the platform's Round. A value outside the 64-bit range (or not a number)
// raises EInvalidOp, as the platform's floating-point unit does.
std::int64_t Round(double value);
std::int64_t Trunc(double value);

// "-1" and "0", or "True" and "False" with useBoolStrs.
std::string BoolToStr(bool value, bool useBoolStrs = false);
// The text in single quotes, inner quotes doubled.
std::string QuotedStr(const std::string& s);

}  // namespace hd
