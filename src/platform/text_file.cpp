#include "platform/text_file.h"

#include <cstdint>
#include <cstring>

#include "platform/files.h"

namespace hd {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Windows-1252 0x80-0x9F; the five holes map to the C1 controls, as the platform's converter does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Code page 850, 0x80-0xFF.
constexpr char16_t kCp850High[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one code point at i and advances i; a malformed sequence gives false and skips one byte.
bool NextCodePoint(const std::string& s, std::size_t& i, char32_t& cp) {
  auto byte = [&s](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char b = byte(i);
  int extra;
  char32_t min;
  if (b < 0x80) {
    cp = b;
    ++i;
    return true;
  } else if ((b & 0xE0) == 0xC0) {
    extra = 1, cp = b & 0x1F, min = 0x80;
  } else if ((b & 0xF0) == 0xE0) {
    extra = 2, cp = b & 0x0F, min = 0x800;
  } else if ((b & 0xF8) == 0xF0) {
    extra = 3, cp = b & 0x07, min = 0x10000;
  } else {
    ++i;
    return false;
  }
  if (i + extra >= s.size()) {  // cut short by the end
    ++i;
    return false;
  }
  for (int k = 1; k <= extra; ++k) {
    unsigned char c = byte(i + k);
    if ((c & 0xC0) != 0x80) {
      ++i;
      return false;
    }
    cp = (cp << 6) | (c & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return false;
  }
  i += extra + 1;
  return true;
}

std::string Utf8Sanitized(const std::string& bytes, std::size_t start) {
  std::string out;
  out.reserve(bytes.size() - start);
  for (std::size_t i = start; i < bytes.size();) {
    char32_t cp;
    AppendUtf8(out, NextCodePoint(bytes, i, cp) ? cp : kReplacement);
  }
  return out;
}

std::string Utf16ToUtf8(const std::string& bytes, std::size_t start, bool bigEndian) {
  auto unit = [&](std::size_t k) -> char16_t {
    auto b0 = static_cast<unsigned char>(bytes[k]), b1 = static_cast<unsigned char>(bytes[k + 1]);
    return static_cast<char16_t>(bigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0);
  };
  std::string out;
  std::size_t i = start;
  for (; i + 1 < bytes.size(); i += 2) {
    char16_t u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
      char16_t lo = unit(i + 2);
      if (lo >= 0xDC00 && lo <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (lo - 0xDC00));
        i += 2;
        continue;
      }
    }
    AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? kReplacement : u);
  }
  if (i < bytes.size()) AppendUtf8(out, kReplacement);  // an odd last byte
  return out;
}

void AppendUtf16(std::string& out, char32_t cp, bool bigEndian) {
  auto put = [&](char16_t u) {
    char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  };
  if (cp >= 0x10000) {
    cp -= 0x10000;
    put(static_cast<char16_t>(0xD800 + (cp >> 10)));
    put(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  } else {
    put(static_cast<char16_t>(cp));
  }
}

std::string Utf8ToUtf16(const std::string& utf8, bool bigEndian) {
  std::string out;
  AppendUtf16(out, 0xFEFF, bigEndian);
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp;
    AppendUtf16(out, NextCodePoint(utf8, i, cp) ? cp : kReplacement, bigEndian);
  }
  return out;
}

bool StartsWith(const std::string& s, const char* prefix, std::size_t n) {
  return s.size() >= n && s.compare(0, n, prefix, n) == 0;
}

}  // namespace

bool IsValidUtf8(const std::string& bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    // Plain ASCII runs are skipped eight bytes at a time.
    std::uint64_t chunk;
    if (i + 8 <= bytes.size() && (std::memcpy(&chunk, bytes.data() + i, 8), (chunk & 0x8080808080808080ull) == 0)) {
      i += 8;
      continue;
    }
    char32_t cp;
    if (!NextCodePoint(bytes, i, cp)) return false;
  }
  return true;
}

std::string Windows1252ToUtf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (char c : bytes) {
    auto b = static_cast<unsigned char>(c);
    AppendUtf8(out, (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : b);
  }
  return out;
}

std::string ValidUtf8(const std::string& text) {
  if (IsValidUtf8(text)) return text;
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t start = i;
    char32_t cp;
    if (NextCodePoint(text, i, cp)) {
      out.append(text, start, i - start);
    } else {
      const auto b = static_cast<unsigned char>(text[start]);
      AppendUtf8(out, (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : b);
    }
  }
  return out;
}

std::string Utf8ToWindows1252(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    // Runs of ASCII, most of any text, are copied as they stand.
    std::size_t ascii = i;
    while (ascii < utf8.size() && static_cast<unsigned char>(utf8[ascii]) < 0x80) ++ascii;
    out.append(utf8, i, ascii - i);
    if ((i = ascii) == utf8.size()) break;
    char32_t cp;
    if (!NextCodePoint(utf8, i, cp)) {
      out += '?';
    } else if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
    } else {
      char mapped = '?';
      for (int k = 0; k < 32; ++k)
        if (kCp1252High[k] == cp) mapped = static_cast<char>(0x80 + k);
      out += mapped;
    }
  }
  return out;
}

std::string OemToUtf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (char c : bytes) {
    auto b = static_cast<unsigned char>(c);
    AppendUtf8(out, b < 0x80 ? b : kCp850High[b - 0x80]);
  }
  return out;
}

std::string Utf8ToOem(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp;
    char mapped = '?';
    if (NextCodePoint(utf8, i, cp)) {
      if (cp < 0x80) mapped = static_cast<char>(cp);
      for (int k = 0; k < 128 && cp >= 0x80; ++k)
        if (kCp850High[k] == cp) mapped = static_cast<char>(0x80 + k);
    }
    out += mapped;
  }
  return out;
}

std::string DecodeText(std::string&& bytes, TTextEncoding* detected) {
  if (!StartsWith(bytes, "\xEF\xBB\xBF", 3) && !StartsWith(bytes, "\xFF\xFE", 2) &&
      !StartsWith(bytes, "\xFE\xFF", 2) && IsValidUtf8(bytes)) {
    if (detected) *detected = TTextEncoding::UTF8;
    return std::move(bytes);
  }
  return DecodeText(static_cast<const std::string&>(bytes), detected);
}

std::string DecodeText(const std::string& bytes, TTextEncoding* detected) {
  TTextEncoding enc;
  std::string text;
  if (StartsWith(bytes, "\xEF\xBB\xBF", 3)) {
    enc = TTextEncoding::UTF8BOM;
    text = Utf8Sanitized(bytes, 3);
  } else if (StartsWith(bytes, "\xFF\xFE", 2)) {
    enc = TTextEncoding::UTF16LE;
    text = Utf16ToUtf8(bytes, 2, false);
  } else if (StartsWith(bytes, "\xFE\xFF", 2)) {
    enc = TTextEncoding::UTF16BE;
    text = Utf16ToUtf8(bytes, 2, true);
  } else if (IsValidUtf8(bytes)) {
    enc = TTextEncoding::UTF8;
    text = bytes;
  } else {
    enc = TTextEncoding::Windows1252;
    text = Windows1252ToUtf8(bytes);
  }
  if (detected) *detected = enc;
  return text;
}

std::string EncodeText(const std::string& utf8, TTextEncoding encoding) {
  switch (encoding) {
    case TTextEncoding::UTF8:
      return utf8;
    case TTextEncoding::UTF8BOM:
      return "\xEF\xBB\xBF" + utf8;
    case TTextEncoding::UTF16LE:
      return Utf8ToUtf16(utf8, false);
    case TTextEncoding::UTF16BE:
      return Utf8ToUtf16(utf8, true);
    case TTextEncoding::Windows1252:
      return Utf8ToWindows1252(utf8);
  }
  return utf8;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

std::string ReadTextFile(const std::string& path, std::uint64_t maxBytes) {
  return DecodeText(ReadFileBytes(path, maxBytes));
}

std::vector<std::string> ReadTextLines(const std::string& path, std::uint64_t maxBytes) {
  return SplitLines(ReadTextFile(path, maxBytes));
}

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines,
                    const std::string& lineEnd, TTextEncoding encoding) {
  std::string text;
  for (const std::string& line : lines) text += line + lineEnd;
  WriteFileAtomic(path, EncodeText(text, encoding));
}

}  // namespace hd
