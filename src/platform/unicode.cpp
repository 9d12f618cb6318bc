#include "platform/unicode.h"

#include "platform/sysutils.h"

namespace hd {

WideString Utf8ToWide(const std::string& utf8) {
  WideString out;
  out.reserve(utf8.size());
  for (char32_t cp : Utf8ToCodePoints(utf8)) {
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}

std::string WideToUtf8(const WideString& wide) {
  std::u32string cps;
  cps.reserve(wide.size());
  for (size_t i = 0; i < wide.size(); ++i) {
    char32_t u = wide[i];
    const bool high = u >= 0xD800 && u <= 0xDBFF;
    if (high && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF) {
      cps += 0x10000 + ((u - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
      ++i;
    } else {
      cps += u;  // a lone surrogate is turned into U+FFFD by the encoder
    }
  }
  return CodePointsToUtf8(cps);
}

std::string CharUpperText(const std::string& s) {
  std::u32string cps = Utf8ToCodePoints(s);
  for (char32_t& c : cps) c = CharUpper(c);
  return CodePointsToUtf8(cps);
}

WideString WideUpperCase(const WideString& s) {
  WideString out = s;
  for (size_t i = 0; i < out.size(); ++i) {
    char32_t u = out[i];
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < out.size() && out[i + 1] >= 0xDC00 && out[i + 1] <= 0xDFFF) {
      // A pair: mapped as the one character it encodes, which keeps to its plane.
      char32_t cp = CharUpper(0x10000 + ((u - 0xD800) << 10) + (out[i + 1] - 0xDC00)) - 0x10000;
      out[i] = static_cast<char16_t>(0xD800 + (cp >> 10));
      out[++i] = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else if (u < 0xD800 || u > 0xDFFF) {
      out[i] = static_cast<char16_t>(CharUpper(u));
    }
  }
  return out;
}

}  // namespace hd
