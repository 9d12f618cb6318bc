#include "platform/sysutils.h"

#include <algorithm>
#include <cmath>

#include "platform/exceptions.h"

namespace hd {
namespace {

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Reads the text as the platform's Val does, into the range of an integer of `bits` bits.
// Decimal values must fit the signed range; hexadecimal values up to all ones are a bit pattern.
bool ReadInteger(const std::string& s, int bits, std::int64_t& out) {
  size_t i = 0;
  const size_t n = s.size();
  while (i < n && s[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  bool hex = false;
  if (i < n && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < n && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == n) return false;
  const std::uint64_t hexMax = bits == 64 ? ~std::uint64_t{0} : 0xFFFFFFFFull;
  const std::uint64_t decMax = (std::uint64_t{1} << (bits - 1)) - (negative ? 0 : 1);
  std::uint64_t v = 0;
  for (; i < n; ++i) {
    int d = hex ? HexDigit(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1);
    if (d < 0) return false;
    if (hex) {
      if (v > (hexMax >> 4)) return false;
      v = (v << 4) | static_cast<std::uint64_t>(d);
    } else {
      if (v > (decMax - static_cast<std::uint64_t>(d)) / 10) return false;
      v = v * 10 + static_cast<std::uint64_t>(d);
    }
  }
  if (hex && bits == 32) v = static_cast<std::uint64_t>(static_cast<std::int64_t>(static_cast<std::int32_t>(v)));
  // Negation wraps like the platform's: "-$80000000" stays the lowest value.
  if (negative) v = ~v + 1;
  if (bits == 32) {
    out = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
  } else {
    out = static_cast<std::int64_t>(v);
  }
  return true;
}

std::string InvalidInteger(const std::string& s) { return "'" + s + "' is not a valid integer value"; }

std::string HexDigits(std::uint64_t v, int digits) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string r;
  do {
    r += kHex[v & 0xF];
    v >>= 4;
  } while (v != 0);
  if (digits > 32) digits = 32;
  while (static_cast<int>(r.size()) < digits) r += '0';
  std::reverse(r.begin(), r.end());
  return r;
}

// Length of the UTF-8 sequence that starts at s[i], 1 for a byte that starts none.
size_t Utf8SeqLen(const std::string& s, size_t i) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
  if (len == 1 || i + len > s.size()) return 1;
  for (size_t k = 1; k < len; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
  return len;
}

// Byte offset of the 0-based code point `index`, or s.size() past the end.
size_t Utf8Offset(const std::string& s, int index) {
  size_t i = 0;
  while (index > 0 && i < s.size()) {
    i += Utf8SeqLen(s, i);
    --index;
  }
  return i;
}

}  // namespace

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsTrimmed(s[b])) ++b;
  while (e > b && IsTrimmed(s[e - 1])) --e;
  return s.substr(b, e - b);
}

std::string TrimLeft(const std::string& s) {
  size_t b = 0;
  while (b < s.size() && IsTrimmed(s[b])) ++b;
  return s.substr(b);
}

std::string TrimRight(const std::string& s) {
  size_t e = s.size();
  while (e > 0 && IsTrimmed(s[e - 1])) --e;
  return s.substr(0, e);
}

std::string UpperCase(const std::string& s) {
  std::string r(s);
  for (char& c : r) c = AsciiUpper(c);
  return r;
}

std::string LowerCase(const std::string& s) {
  std::string r(s);
  for (char& c : r) c = AsciiLower(c);
  return r;
}

bool SameText(const std::string& a, const std::string& b) { return CompareText(a, b) == 0; }

int CompareText(const std::string& a, const std::string& b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    int x = static_cast<unsigned char>(AsciiUpper(a[i]));
    int y = static_cast<unsigned char>(AsciiUpper(b[i]));
    if (x != y) return x - y;
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

int CompareStr(const std::string& a, const std::string& b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    int x = static_cast<unsigned char>(a[i]);
    int y = static_cast<unsigned char>(b[i]);
    if (x != y) return x - y;
  }
  return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

int Pos(const std::string& sub, const std::string& s, int offset) {
  if (sub.empty() || offset < 1 || offset > static_cast<int>(s.size())) return 0;
  size_t p = s.find(sub, static_cast<size_t>(offset - 1));
  return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

std::string Copy(const std::string& s, int index, int count) {
  if (index < 1) index = 1;
  if (count <= 0 || index > static_cast<int>(s.size())) return std::string();
  return s.substr(static_cast<size_t>(index - 1), static_cast<size_t>(count));
}

std::string StringReplaceAll(const std::string& s, const std::string& from, const std::string& to) {
  if (from.empty()) return s;
  std::string r;
  size_t start = 0;
  for (size_t p = s.find(from); p != std::string::npos; p = s.find(from, start)) {
    r.append(s, start, p - start);
    r += to;
    start = p + from.size();
  }
  r.append(s, start, std::string::npos);
  return r;
}

std::string StringOfChar(char c, int count) { return count > 0 ? std::string(static_cast<size_t>(count), c) : ""; }

int Utf8Length(const std::string& s) {
  int n = 0;
  for (size_t i = 0; i < s.size(); i += Utf8SeqLen(s, i)) ++n;
  return n;
}

std::u32string Utf8ToCodePoints(const std::string& s) {
  std::u32string r;
  for (size_t i = 0; i < s.size();) {
    size_t len = Utf8SeqLen(s, i);
    unsigned char c = static_cast<unsigned char>(s[i]);
    char32_t cp;
    if (len == 1) {
      cp = c < 0x80 ? c : 0xFFFD;  // a stray byte stands for one unknown character
    } else {
      cp = c & (0xFF >> (len + 1));
      for (size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    }
    r += cp;
    i += len;
  }
  return r;
}

std::string CodePointsToUtf8(const std::u32string& cps) {
  std::string r;
  for (char32_t cp : cps) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
      r += static_cast<char>(cp);
    } else if (cp < 0x800) {
      r += static_cast<char>(0xC0 | (cp >> 6));
      r += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      r += static_cast<char>(0xE0 | (cp >> 12));
      r += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      r += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      r += static_cast<char>(0xF0 | (cp >> 18));
      r += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      r += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      r += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return r;
}

int Utf8Pos(const std::string& sub, const std::string& s) {
  if (sub.empty()) return 0;
  int index = 1;
  for (size_t i = 0; i < s.size(); i += Utf8SeqLen(s, i), ++index)
    if (s.compare(i, sub.size(), sub) == 0) return index;
  return 0;
}

std::string Utf8Copy(const std::string& s, int index, int count) {
  if (index < 1) index = 1;
  if (count <= 0) return std::string();
  size_t b = Utf8Offset(s, index - 1);
  size_t e = b;
  while (count > 0 && e < s.size()) {
    e += Utf8SeqLen(s, e);
    --count;
  }
  return s.substr(b, e - b);
}

bool TryStrToInt(const std::string& s, int& value) {
  std::int64_t v = 0;
  if (!ReadInteger(s, 32, v)) return false;
  value = static_cast<int>(v);
  return true;
}

int StrToInt(const std::string& s) {
  int v = 0;
  if (!TryStrToInt(s, v)) throw EConvertError(InvalidInteger(s));
  return v;
}

int StrToIntDef(const std::string& s, int def) {
  int v = 0;
  return TryStrToInt(s, v) ? v : def;
}

bool TryStrToInt64(const std::string& s, std::int64_t& value) { return ReadInteger(s, 64, value); }

std::int64_t StrToInt64(const std::string& s) {
  std::int64_t v = 0;
  if (!ReadInteger(s, 64, v)) throw EConvertError(InvalidInteger(s));
  return v;
}

std::int64_t StrToInt64Def(const std::string& s, std::int64_t def) {
  std::int64_t v = 0;
  return ReadInteger(s, 64, v) ? v : def;
}

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

std::string IntToHex(int value, int digits) { return HexDigits(static_cast<std::uint32_t>(value), digits); }
std::string IntToHex(std::int64_t value, int digits) { return HexDigits(static_cast<std::uint64_t>(value), digits); }
std::string IntToHex(std::uint32_t value, int digits) { return HexDigits(value, digits); }
std::string IntToHex(std::uint64_t value, int digits) { return HexDigits(value, digits); }

std::int64_t Round(double value) {
  // nearbyint honours the default rounding mode, which sends halves to the even neighbour.
  double r = std::nearbyint(value);
  if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0))
    throw EInvalidOp("Invalid floating point operation");
  return static_cast<std::int64_t>(r);
}

std::int64_t Trunc(double value) {
  double r = std::trunc(value);
  if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0))
    throw EInvalidOp("Invalid floating point operation");
  return static_cast<std::int64_t>(r);
}

std::string BoolToStr(bool value, bool useBoolStrs) {
  if (useBoolStrs) return value ? "True" : "False";
  return value ? "-1" : "0";
}

std::string QuotedStr(const std::string& s) {
  std::string r(1, '\'');
  r += StringReplaceAll(s, "'", "''");
  r += '\'';
  return r;
}

}  // namespace hd
