#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "platform/exceptions.h"
#include "platform/float_format_p.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Groups an integer digit string in threes from the right.
std::string GroupThousands(const std::string& digits, char sep) {
  if (sep == '\0') return digits;
  std::string r;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) r += sep;
    r += digits[i];
  }
  return r;
}

std::string SpecialText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

std::string ExponentText(int exponent, int minDigits, bool plusSign) {
  std::string r = "E";
  if (exponent < 0) {
    r += '-';
    exponent = -exponent;
  } else if (plusSign) {
    r += '+';
  }
  std::string d = std::to_string(exponent);
  if (static_cast<int>(d.size()) < minDigits) d.insert(0, static_cast<size_t>(minDigits) - d.size(), '0');
  return r + d;
}

std::string GeneralText(const DecimalNumber& d, int precision, int expDigits, const TFormatSettings& fs) {
  if (d.digits.empty()) return "0";
  std::string r = d.negative ? "-" : "";
  if (d.exponent > precision || d.exponent < -3) {
    r += d.digits[0];
    if (d.digits.size() > 1) r += fs.DecimalSeparator + d.digits.substr(1);
    return r + ExponentText(d.exponent - 1, expDigits, false);
  }
  if (d.exponent <= 0) return r + "0" + fs.DecimalSeparator + std::string(static_cast<size_t>(-d.exponent), '0') + d.digits;
  std::string intPart = d.digits.substr(0, static_cast<size_t>(d.exponent));
  intPart.resize(static_cast<size_t>(d.exponent), '0');
  r += intPart;
  if (d.digits.size() > static_cast<size_t>(d.exponent)) r += fs.DecimalSeparator + d.digits.substr(static_cast<size_t>(d.exponent));
  return r;
}

std::string ExponentFormText(const DecimalNumber& d, int precision, int expDigits, const TFormatSettings& fs) {
  std::string mantissa = d.digits.empty() ? std::string("0") : d.digits;
  mantissa.resize(static_cast<size_t>(precision), '0');
  std::string r = d.negative ? "-" : "";
  r += mantissa[0];
  if (precision > 1) r += fs.DecimalSeparator + mantissa.substr(1);
  return r + ExponentText(d.digits.empty() ? 0 : d.exponent - 1, expDigits, true);
}

// Reads the mantissa and exponent into a plain C-locale number text.
bool ScanFloat(const std::string& s, char decimalSep, std::string& plain, int& magnitude) {
  size_t i = 0;
  const size_t n = s.size();
  while (i < n && s[i] == ' ') ++i;
  if (i < n && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') plain += '-';
    ++i;
  }
  int digits = 0, leadIntDigits = 0, leadFracZeros = 0;
  bool seenNonZero = false;
  for (; i < n && IsDigit(s[i]); ++i, ++digits) {
    plain += s[i];
    if (s[i] != '0') seenNonZero = true;
    if (seenNonZero) ++leadIntDigits;
  }
  if (i < n && s[i] == decimalSep) {
    plain += '.';
    for (++i; i < n && IsDigit(s[i]); ++i, ++digits) {
      plain += s[i];
      if (s[i] != '0') seenNonZero = true;
      if (!seenNonZero) ++leadFracZeros;
    }
  }
  if (digits == 0) return false;
  int exponent = 0;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    plain += 'e';
    ++i;
    bool negExp = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
      negExp = s[i] == '-';
      plain += s[i++];
    }
    size_t start = i;
    for (; i < n && IsDigit(s[i]); ++i) {
      plain += s[i];
      if (exponent < 100000) exponent = exponent * 10 + (s[i] - '0');
    }
    if (i == start) return false;
    if (negExp) exponent = -exponent;
  }
  while (i < n && s[i] == ' ') ++i;
  magnitude = (leadIntDigits > 0 ? leadIntDigits : -leadFracZeros) + exponent;
  return i == n;
}


// What one section of a FormatFloat picture asks for.
struct Picture {
  std::string text;
  int intPlaces = 0;     // digit placeholders before the decimal point
  int minInt = 0;        // integer digits always shown (from the first '0' on)
  int fracPlaces = 0;    // digit placeholders after the decimal point
  int minFrac = 0;       // fraction digits always shown (up to the last '0')
  bool thousands = false;
  bool scientific = false;
  int expDigits = 0;
};

// Length of the quoted literal that starts at i (both quotes included).
size_t QuotedLength(const std::string& s, size_t i) {
  size_t close = s.find(s[i], i + 1);
  return (close == std::string::npos ? s.size() : close + 1) - i;
}

std::vector<std::string> SplitSections(const std::string& format) {
  std::vector<std::string> sections(1);
  for (size_t i = 0; i < format.size();) {
    char c = format[i];
    if (c == '"' || c == '\'') {
      size_t len = QuotedLength(format, i);
      sections.back() += format.substr(i, len);
      i += len;
    } else {
      if (c == ';') {
        sections.emplace_back();
      } else {
        sections.back() += c;
      }
      ++i;
    }
  }
  return sections;
}

bool IsExponentAt(const std::string& s, size_t i) {
  return (s[i] == 'E' || s[i] == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
}

Picture ScanPicture(const std::string& text) {
  Picture p;
  p.text = text;
  bool afterPoint = false;
  int firstZero = -1;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '"' || c == '\'') {
      i += QuotedLength(text, i) - 1;
    } else if (c == '0' || c == '#') {
      if (afterPoint) {
        ++p.fracPlaces;
        if (c == '0') p.minFrac = p.fracPlaces;
      } else {
        if (c == '0' && firstZero < 0) firstZero = p.intPlaces;
        ++p.intPlaces;
      }
    } else if (c == '.') {
      afterPoint = true;
    } else if (c == ',') {
      p.thousands = true;
    } else if (!p.scientific && IsExponentAt(text, i)) {
      p.scientific = true;
      for (i += 2; i < text.size() && text[i] == '0'; ++i) ++p.expDigits;
      --i;
    }
  }
  p.minInt = firstZero < 0 ? 0 : p.intPlaces - firstZero;
  if (p.expDigits > 4) p.expDigits = 4;
  return p;
}

// The digits a picture shows: the integer part, the fraction and the exponent.
struct PictureDigits {
  std::string intDigits;
  std::string fracDigits;
  int exponent = 0;
  bool zero = true;
  bool negative = false;
};

PictureDigits RoundForPicture(const Picture& p, double value) {
  PictureDigits r;
  DecimalNumber d;
  if (p.scientific) {
    d = ToDecimal(value, std::max(1, std::min(p.intPlaces + p.fracPlaces, 15)), kNoDecimalLimit);
    if (!d.digits.empty()) r.exponent = d.exponent - p.intPlaces;
    // The mantissa's point stands after intPlaces digits.
    d.exponent = d.digits.empty() ? 0 : p.intPlaces;
  } else {
    d = ToDecimal(value, 15, p.fracPlaces);
  }
  r.zero = d.digits.empty();
  r.negative = d.negative;
  if (d.exponent > 0) {
    r.intDigits = d.digits.substr(0, static_cast<size_t>(d.exponent));
    r.intDigits.resize(static_cast<size_t>(d.exponent), '0');
  }
  int minInt = p.scientific && r.zero && p.intPlaces > 0 ? 1 : p.minInt;
  if (static_cast<int>(r.intDigits.size()) < minInt)
    r.intDigits.insert(0, static_cast<size_t>(minInt) - r.intDigits.size(), '0');
  for (int k = 0; k < p.fracPlaces; ++k) {
    int idx = d.exponent + k;
    r.fracDigits += (idx >= 0 && idx < static_cast<int>(d.digits.size())) ? d.digits[static_cast<size_t>(idx)] : '0';
  }
  while (static_cast<int>(r.fracDigits.size()) > p.minFrac && r.fracDigits.back() == '0') r.fracDigits.pop_back();
  return r;
}

std::string RenderPicture(const Picture& p, const PictureDigits& d, bool withSign, const TFormatSettings& fs) {
  std::string r = withSign && d.negative ? "-" : "";
  const std::string& digits = d.intDigits;
  const int n = static_cast<int>(digits.size());
  const char sep = p.thousands && !p.scientific ? fs.ThousandSeparator : '\0';
  // Digit at position `place` counted from the units (0), with the grouping after it.
  auto putDigit = [&](int place) {
    if (place >= n) return;
    r += digits[static_cast<size_t>(n - 1 - place)];
    if (sep != '\0' && place > 0 && place % 3 == 0) r += sep;
  };
  int intSeen = 0, fracSeen = 0;
  bool afterPoint = false, exponentDone = false;
  for (size_t i = 0; i < p.text.size(); ++i) {
    char c = p.text[i];
    if (c == '"' || c == '\'') {
      size_t len = QuotedLength(p.text, i);
      r += p.text.substr(i + 1, len >= 2 && p.text[i + len - 1] == c ? len - 2 : len - 1);
      i += len - 1;
    } else if ((c == '0' || c == '#') && !afterPoint) {
      int place = p.intPlaces - 1 - intSeen++;
      if (intSeen == 1)
        for (int extra = n - 1; extra > place; --extra) putDigit(extra);
      putDigit(place);
    } else if (c == '0' || c == '#') {
      if (fracSeen < static_cast<int>(d.fracDigits.size())) r += d.fracDigits[static_cast<size_t>(fracSeen)];
      ++fracSeen;
    } else if (c == '.') {
      if (afterPoint) continue;
      afterPoint = true;
      if (p.intPlaces == 0)
        for (int place = n - 1; place >= 0; --place) putDigit(place);
      if (!d.fracDigits.empty()) r += fs.DecimalSeparator;
    } else if (c == ',') {
      continue;
    } else if (!exponentDone && p.scientific && IsExponentAt(p.text, i)) {
      exponentDone = true;
      r += c;
      if (d.exponent < 0 || p.text[i + 1] == '+') r += d.exponent < 0 ? '-' : '+';
      std::string e = std::to_string(d.exponent < 0 ? -d.exponent : d.exponent);
      if (static_cast<int>(e.size()) < p.expDigits) e.insert(0, static_cast<size_t>(p.expDigits) - e.size(), '0');
      r += e;
      for (i += 2; i < p.text.size() && p.text[i] == '0'; ++i) {
      }
      --i;
    } else {
      r += c;
    }
  }
  return r;
}

}  // namespace

std::string FixedDigits(const DecimalNumber& d, int decimals, char thousandSep, char decimalSep) {
  std::string intPart(1, '0');
  if (d.exponent > 0) {
    intPart = d.digits.substr(0, static_cast<size_t>(d.exponent));
    intPart.resize(static_cast<size_t>(d.exponent), '0');
  }
  std::string r = GroupThousands(intPart, thousandSep);
  if (decimals > 0) {
    std::string frac;
    for (int k = 0; k < decimals; ++k) {
      int idx = d.exponent + k;
      frac += (idx >= 0 && idx < static_cast<int>(d.digits.size())) ? d.digits[static_cast<size_t>(idx)] : '0';
    }
    r += decimalSep;
    r += frac;
  }
  return r;
}

std::string CurrencyText(const std::string& amount, bool negative, const TFormatSettings& fs) {
  static const char* const kPositive[] = {"$1", "1$", "$ 1", "1 $"};
  static const char* const kNegative[] = {"($1)", "-$1", "$-1", "$1-", "(1$)", "-1$", "1-$", "1$-",
                                          "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};
  const char* pattern = negative ? kNegative[Clamp(fs.NegCurrFormat, 0, 15)] : kPositive[Clamp(fs.CurrencyFormat, 0, 3)];
  std::string r;
  for (const char* p = pattern; *p; ++p) {
    if (*p == '$') {
      r += fs.CurrencyString;
    } else if (*p == '1') {
      r += amount;
    } else {
      r += *p;
    }
  }
  return r;
}

DecimalNumber ToDecimal(double value, int precision, int decimals) {
  DecimalNumber d;
  d.negative = std::signbit(value);
  precision = Clamp(precision, 1, 17);
  // The value as the 15 significant digits it stands for, then rounded on those decimal
  // digits, so that 1.005 to two places is 1.01 and an exact tie goes away from zero.
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                           std::max(precision, 15) - 1);
  std::string text(buf, res.ptr);
  size_t e = text.find('e');
  for (size_t i = 0; i < e; ++i)
    if (IsDigit(text[i])) d.digits += text[i];
  d.exponent = std::atoi(text.c_str() + e + 1) + 1;
  const int keep = decimals >= kNoDecimalLimit ? precision : std::min(precision, d.exponent + decimals);
  if (keep < static_cast<int>(d.digits.size())) {
    bool up = keep >= 0 && d.digits[static_cast<size_t>(keep)] >= '5';
    d.digits.resize(static_cast<size_t>(keep < 0 ? 0 : keep));
    if (up) {
      int k = static_cast<int>(d.digits.size()) - 1;
      while (k >= 0 && d.digits[static_cast<size_t>(k)] == '9') d.digits[static_cast<size_t>(k--)] = '0';
      if (k >= 0) {
        ++d.digits[static_cast<size_t>(k)];
      } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.exponent;
      }
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) {
    d.negative = false;  // no "-0"
    d.exponent = 0;
  }
  return d;
}

std::string FloatToText(double value, TFloatFormat format, int precision, int digits, const TFormatSettings& fs) {
  if (!std::isfinite(value)) return SpecialText(value);
  precision = Clamp(precision, 1, 17);
  switch (format) {
    case ffGeneral:
      return GeneralText(ToDecimal(value, precision, kNoDecimalLimit), precision, Clamp(digits, 0, 4), fs);
    case ffExponent:
      return ExponentFormText(ToDecimal(value, precision, kNoDecimalLimit), precision, Clamp(digits, 0, 4), fs);
    case ffFixed:
    case ffNumber:
    case ffCurrency: {
      digits = Clamp(digits, 0, 18);
      DecimalNumber d = ToDecimal(value, precision, digits);
      if (d.exponent > precision && format != ffCurrency) return GeneralText(d, precision, 0, fs);
      std::string amount = FixedDigits(d, digits, format == ffFixed ? '\0' : fs.ThousandSeparator, fs.DecimalSeparator);
      if (format == ffCurrency) return CurrencyText(amount, d.negative, fs);
      return d.negative ? "-" + amount : amount;
    }
  }
  return std::string();
}

bool TryStrToFloat(const std::string& s, double& value, const TFormatSettings& fs) {
  std::string plain;
  int magnitude = 0;
  if (!ScanFloat(s, fs.DecimalSeparator, plain, magnitude)) return false;
  double v = 0;
  auto res = std::from_chars(plain.data(), plain.data() + plain.size(), v);
  if (res.ec == std::errc::result_out_of_range) {
    if (magnitude > 0) return false;
    v = plain[0] == '-' ? -0.0 : 0.0;  // too small to hold: zero, as the platform reads it
  } else if (res.ec != std::errc() || res.ptr != plain.data() + plain.size()) {
    return false;
  }
  value = v;
  return true;
}

bool TryStrToFloat(const std::string& s, double& value) { return TryStrToFloat(s, value, FormatSettings()); }

double StrToFloat(const std::string& s) {
  double v = 0;
  if (!TryStrToFloat(s, v)) throw EConvertError("'" + s + "' is not a valid floating point value");
  return v;
}

double StrToFloatDef(const std::string& s, double def) {
  double v = 0;
  return TryStrToFloat(s, v) ? v : def;
}

std::string FloatToStr(double value, const TFormatSettings& fs) {
  std::string text = FloatToText(value, ffGeneral, 15, 0, fs);
  // Near the largest doubles 15 digits round past the range; 17 always read back.
  double back = 0;
  if (std::isfinite(value) && !TryStrToFloat(text, back, fs)) text = FloatToText(value, ffGeneral, 17, 0, fs);
  return text;
}

std::string FloatToStr(double value) { return FloatToStr(value, FormatSettings()); }

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits, const TFormatSettings& fs) {
  return FloatToText(value, format, precision, digits, fs);
}

std::string FormatFloat(const std::string& format, double value, const TFormatSettings& fs) {
  if (!std::isfinite(value)) return SpecialText(value);
  std::vector<std::string> sections = SplitSections(format);
  if (sections[0].empty()) return FloatToText(value, ffGeneral, 15, 0, fs);
  // A negative value takes the second section, which writes no sign of its own, when there is one.
  bool ownSection = value < 0 && sections.size() >= 2 && !sections[1].empty();
  Picture picture = ScanPicture(ownSection ? sections[1] : sections[0]);
  PictureDigits digits = RoundForPicture(picture, std::fabs(value));
  // Beyond what a 64-bit integer part holds the picture gives way to the general format.
  if (!picture.scientific && digits.intDigits.size() > 18) return FloatToText(value, ffGeneral, 15, 0, fs);
  digits.negative = value < 0 && !digits.zero;
  // A value that rounds to zero takes the third section.
  if (digits.zero && sections.size() >= 3 && !sections[2].empty()) {
    picture = ScanPicture(sections[2]);
    digits = RoundForPicture(picture, 0.0);
    ownSection = true;
  }
  return RenderPicture(picture, digits, !ownSection, fs);
}

std::string FormatFloat(const std::string& format, double value) { return FormatFloat(format, value, FormatSettings()); }

std::string FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
  return FloatToText(value, format, precision, digits, FormatSettings());
}

}  // namespace hd
