#include "grid/foundation/text_utils.h"

#include <algorithm>
#include <cstdint>

#include "platform/regional.h"
#include "platform/sysutils.h"
#include "platform/text_file.h"

namespace hd {

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';
constexpr char VT = '\v';

bool Contains(const std::string& s, const std::string& sub) { return s.find(sub) != std::string::npos; }
bool Contains(const std::string& s, char c) { return s.find(c) != std::string::npos; }

// Every occurrence of one character replaced by a text.
std::string ReplaceChar(const std::string& s, char from, const std::string& to) {
  std::string r;
  r.reserve(s.size());
  for (char c : s) {
    if (c == from)
      r += to;
    else
      r += c;
  }
  return r;
}

std::string RemoveChar(const std::string& s, char c) { return ReplaceChar(s, c, ""); }

bool IsURLChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
         std::string_view("%()-./:@\\_{}").find(c) != std::string_view::npos;
}

}  // namespace

int GetTextKind(const std::string& Text, bool MarkupEnabled) {
  if (Text.starts_with("{\\")) return ttRichText;
  if (Text.starts_with("=")) return ttFormula;
  if (Text.starts_with("|\\")) {
    if (Text.size() >= 5 && Text[3] == '=' && Text[4] == '\0') return ttFormula;
    return ttPackedWide;
  }
  if (MarkupEnabled && (Contains(Text, "</") || Contains(Text, "<B") || Contains(Text, "<I") || Contains(Text, "<C")))
    return ttMarkup;
  return ttPlain;
}

std::string EncodePackedUnicode(const WideString& WideText) {
  std::u32string packed = U"|\\";
  packed.reserve(2 + 2 * WideText.size());
  for (char16_t u : WideText) {
    packed += static_cast<char32_t>(u >> 8);
    packed += static_cast<char32_t>(u & 0xFF);
  }
  return CodePointsToUtf8(packed);
}

WideString DecodePackedUnicode(const std::string& Text) {
  if (!Text.starts_with("|\\")) return Utf8ToWide(Text);
  std::u32string cps = Utf8ToCodePoints(Text.substr(2));
  WideString wide;
  wide.reserve(cps.size() / 2);
  for (size_t i = 0; i + 1 < cps.size(); i += 2) wide += static_cast<char16_t>((cps[i] << 8) + cps[i + 1]);
  return wide;
}

void MakeClipboardHTML(std::string& Fragment) {
  static const std::string kDocType = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">";
  static const std::string kHead =
      "<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\"></head><body>"
      "<!--StartFragment-->";
  static const std::string kTail = "<!--EndFragment--></body></html>";
  // The five header lines with offsets of `width` digits. Readers take the number up to the line
  // end, so a fragment too large for eight digits widens all four fields alike.
  auto headerSize = [](std::uint64_t width) { return 65 + 4 * width; };
  auto digits = [](std::uint64_t v) { return static_cast<std::uint64_t>(std::to_string(v).size()); };
  const std::uint64_t n = Fragment.size();
  std::uint64_t width = 8;
  while (digits(headerSize(width) + kDocType.size() + kHead.size() + n + kTail.size()) > width) ++width;
  const std::uint64_t start = headerSize(width) + kDocType.size() + kHead.size();
  auto field = [&](const char* name, std::uint64_t value) {
    std::string number = std::to_string(value);
    return name + std::string(width - number.size(), '0') + number + "\r\n";
  };
  std::string header = "Version:1.0\r\n";
  header += field("StartHTML:", headerSize(width));
  header += field("EndHTML:", start + n + kTail.size());
  header += field("StartFragment:", start);
  header += field("EndFragment:", start + n);
  header += kDocType;
  header += kHead;
  // One move of the fragment, however large it is.
  Fragment.reserve(header.size() + n + kTail.size());
  Fragment.insert(0, header);
  Fragment += kTail;
}

bool HyperlinkText(const std::string& Text, const std::string& Prefix, std::string& Result) {
  if (!Contains(UpperCase(Text), Prefix)) return false;
  std::string escaped = StringReplaceAll(StringReplaceAll(Text, "<", "&lt;"), ">", "&gt;");
  size_t start = UpperCase(escaped).find(Prefix);
  if (start == std::string::npos) {  // the prefix itself held "<" or ">"
    Result = escaped;
    return true;
  }
  size_t end = start;
  while (end < escaped.size() && IsURLChar(escaped[end])) ++end;
  std::string url = escaped.substr(start, end - start);
  Result = escaped.substr(0, start) + "<a href=\"" + url + "\">" + url + "</a>" + escaped.substr(end);
  return true;
}

bool HasURLProtocol(const std::string& Text) { return Contains(Text, "://") || Contains(Text, "mailto:"); }

void StripURLProtocol(std::string& Text) {
  size_t p = Text.find("://");
  if (p != std::string::npos) {
    Text.erase(0, p + 3);
    return;
  }
  p = Text.find("mailto:");
  if (p != std::string::npos) Text.erase(0, p + 7);
}

bool ParseRCReference(const std::string& Text, TPoint& Cell) {
  std::string s = UpperCase(Text);
  if (s.size() <= 3 || s[0] != 'R') return false;
  size_t c = s.find('C');
  if (c == std::string::npos) return false;
  int row = 0, col = 0;
  if (!TryStrToInt(s.substr(1, c - 1), row) || !TryStrToInt(s.substr(c + 1), col)) return false;
  Cell = Point(col, row);
  return true;
}

int ClassifyNumber(const std::string& Text) {
  const TFormatSettings fs = FormatSettings();
  return ClassifyNumber(Text, fs.DecimalSeparator, fs.ThousandSeparator);
}

int ClassifyNumber(const std::string& Text, char DecimalSeparator, char ThousandSeparator) {
  const char32_t thou = static_cast<unsigned char>(ThousandSeparator);
  const char32_t dec = static_cast<unsigned char>(DecimalSeparator);
  // Sorts classify every cell of a column: a plain ASCII text is widened into a kept buffer
  // rather than a new string each time.
  thread_local std::u32string buffer;
  buffer.clear();
  bool ascii = true;
  for (char ch : Text) {
    if (static_cast<unsigned char>(ch) >= 0x80) {
      ascii = false;
      break;
    }
    buffer.push_back(static_cast<char32_t>(ch));
  }
  if (!ascii) buffer = Utf8ToCodePoints(Text);
  const std::u32string& s = buffer;
  if (s.empty()) return ncNotANumber;

  int digits = 0, decimals = 0;
  bool plain = true;          // number characters and "-" only
  bool decimal = true;        // plain plus the separators
  size_t lastThou = std::u32string::npos;
  for (size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (IsDigitChar(c)) {
      ++digits;
      continue;
    }
    if (c == '-') {
      if (i > 0) plain = decimal = false;
      continue;
    }
    plain = false;
    if (c == dec) {
      ++decimals;
    } else if (c == thou) {
      // Groups of three at least between two thousands separators.
      if (lastThou != std::u32string::npos && i - lastThou < 4) decimal = false;
      lastThou = i;
    } else {
      decimal = false;
    }
  }
  if (decimals > 1 || digits == 0) return ncNotANumber;
  if (plain) return ncInteger;
  if (decimal) return ncDecimal;

  // Exponent form: [sign] mantissa (digits, one decimal separator) e|E [sign] digits.
  size_t e = s.find_first_of(U"eE");
  if (e == std::u32string::npos || e == 0 || s.find_first_of(U"eE", e + 1) != std::u32string::npos)
    return ncNotANumber;
  auto part = [&](size_t from, size_t to, bool allowDecimal) {
    size_t i = from;
    if (i < to && (s[i] == '-' || s[i] == '+')) ++i;
    int partDigits = 0;
    for (; i < to; ++i) {
      if (IsDigitChar(s[i]))
        ++partDigits;
      else if (!(allowDecimal && s[i] == dec))
        return false;
    }
    return partDigits > 0;
  };
  return part(0, e, true) && part(e + 1, s.size(), false) ? ncExponent : ncNotANumber;
}

std::string FinancialToNumberText(const std::string& Text) {
  const TFormatSettings fs = FormatSettings();
  std::u32string s = Utf8ToCodePoints(Trim(Text));
  bool negative = !s.empty() && s.front() == '(' && s.back() == ')';
  size_t i = 0;
  while (s.size() - i >= 2 && !IsFloatChar(s[i])) {
    if (s[i] == '-') negative = true;
    ++i;
  }
  std::string out;
  for (; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c == static_cast<unsigned char>(fs.ThousandSeparator)) continue;
    if (c == static_cast<unsigned char>(fs.DecimalSeparator))
      out += '.';
    else if (IsAmountChar(c))
      out += CodePointsToUtf8(std::u32string(1, c));
    else
      break;
  }
  return negative ? "-" + out : out;
}

std::string MixedCaseText(const std::string& Text) {
  std::u32string w = Utf8ToCodePoints(Text);
  const size_t len = w.size();
  bool capitalise = true;
  bool seenSpaceMc = false;
  for (size_t i = 0; i < len; ++i) {
    char32_t& c = w[i];
    if (IsWordBreakChar(c)) {
      capitalise = true;
    } else if (capitalise) {
      c = CharUpper(c);
      capitalise = false;
    } else {
      c = CharLower(c);
    }
    const size_t n = i + 1;  // characters done
    if (n == 2 && w.compare(0, 2, U"Mc") == 0) capitalise = true;
    // Only the text's first " Mc" counts; done characters never change again, so it is the
    // first one met here.
    if (n > 2 && !seenSpaceMc && w.compare(n - 3, 3, U" Mc") == 0) capitalise = seenSpaceMc = true;
    if (n + 2 >= len) {
      std::u32string_view done(w.data(), n);
      if (done.ends_with(U" I") || done.ends_with(U" II")) capitalise = true;
    }
  }
  return CodePointsToUtf8(w);
}

std::string DoubleQuoteChars(const std::string& Text) { return ReplaceChar(Text, '"', "\"\""); }

std::string UndoubleChar(char Ch, const std::string& Text) {
  if (!Contains(Text, Ch)) return Text;
  std::string r;
  for (size_t i = 0; i < Text.size(); ++i) {
    r += Text[i];
    if (Text[i] == Ch && i + 1 < Text.size() && Text[i + 1] == Ch) ++i;
  }
  return r;
}

int FindUndoubledChar(char Ch, const std::string& Text, int& Pos) {
  Pos = 0;
  for (size_t i = 0; i < Text.size();) {
    if (Text[i] != Ch) {
      ++i;
      continue;
    }
    size_t run = i;
    while (run < Text.size() && Text[run] == Ch) ++run;
    if (run == Text.size()) {
      Pos = static_cast<int>(Text.size());
      break;
    }
    if ((run - i) % 2 == 1) {
      Pos = static_cast<int>(run);  // 1-based position of the run's last character
      break;
    }
    i = run;
  }
  return Pos;
}

int CountUndoubledChar(char Ch, const std::string& Text) {
  int count = 0, pos = 0;
  std::string rest = Text;
  while (FindUndoubledChar(Ch, rest, pos) > 0) {
    ++count;
    rest.erase(0, static_cast<size_t>(pos));
  }
  return count;
}

void ToOEMText(std::string& Text) { Text = Utf8ToOem(Text); }

void FromOEMText(std::string& Text) { Text = OemToUtf8(Text); }

void FillWithChar(std::string& Text, char Ch) { Text = StringOfChar(Ch, Utf8Length(Text)); }

std::string PackLineBreaks(const std::string& Text) {
  if (!Contains(Text, CR)) return Text;
  std::string r = Text;
  for (char& c : r) {
    if (c == CR)
      c = '\x09';
    else if (c == LF)
      c = '\x08';
    else if (c == '\0')
      c = '\x01';
  }
  return r;
}

std::string UnpackLineBreaks(const std::string& Text, bool MultiLine) {
  std::string r = Text;
  if (Contains(r, '\x08')) {
    for (char& c : r) {
      if (c == '\x09')
        c = CR;
      else if (c == '\x08')
        c = LF;
      else if (c == '\x01')
        c = '\0';
    }
  }
  if (MultiLine) return r;
  std::string line;
  CutFirstLine(r, false, line);
  return line;
}

std::string EscapeLineBreaks(const std::string& Text) { return RemoveChar(ReplaceChar(Text, CR, "\\n"), LF); }

std::string UnescapeLineBreaks(const std::string& Text) { return StringReplaceAll(Text, "\\n", "\r"); }

std::string QuoteMultiLineField(const std::string& Text) {
  // Appended, not "x" + temporary: GCC 12 warns falsely about the latter in release builds.
  std::string r = "\"";
  r += StringReplaceAll(Text, "\r\n", std::string(1, VT));
  r += '"';
  return r;
}

std::string VTToLineBreaks(const std::string& Text) {
  if (!Contains(Text, VT)) return Text;
  return ReplaceChar(Text, VT, "\r\n");
}

std::string LineBreaksToTilde(const std::string& Text) { return RemoveChar(ReplaceChar(Text, CR, "~"), LF); }

std::string TildeToLineBreaks(const std::string& Text) {
  std::string r = ReplaceChar(Text, '~', "\r\n");
  return r == "^" ? std::string() : r;
}

std::string LineBreaksToBR(const std::string& Text) {
  if (!Contains(Text, CR)) return Text;
  return ReplaceChar(Text, CR, "<br>");
}

std::string CRLFToLF(const std::string& Text) { return StringReplaceAll(Text, "\r\n", "\n"); }

std::string StripCR(const std::string& Text) { return RemoveChar(Text, CR); }

std::string CRToLF(const std::string& Text) { return ReplaceChar(Text, CR, "\n"); }

void CutFirstLine(std::string& S, bool KeepRest, std::string& Line) {
  size_t p = S.find(CR);
  if (p == std::string::npos) {
    Line = S;
    S.clear();
    return;
  }
  Line = S.substr(0, p);
  size_t rest = p + 1;
  if (rest < S.size() && S[rest] == LF) ++rest;
  if (KeepRest)
    S.erase(0, rest);
  else
    S.clear();
}

int CountLines(const std::string& Text, bool MultiLine) {
  return MultiLine ? static_cast<int>(std::count(Text.begin(), Text.end(), CR)) + 1 : 1;
}

int FindPos(const std::string& SubStr, const std::string& Text, int& Pos) {
  Pos = hd::Pos(SubStr, Text);
  return Pos;
}

int UpperPos(const std::string& SubStr, const std::string& Text) { return Pos(SubStr, UpperCase(Text)); }

int CharPos(char Ch, const std::string& Text) {
  size_t p = Text.find(Ch);
  return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

int FindCharPos(char Ch, const std::string& Text, int& Pos) {
  Pos = CharPos(Ch, Text);
  return Pos;
}

int WidePos(const WideString& SubStr, const WideString& WideText) {
  size_t p = WideText.find(SubStr);
  return p == WideString::npos ? 0 : static_cast<int>(p) + 1;
}

int CharCount(char Ch, const std::string& Text) { return static_cast<int>(std::count(Text.begin(), Text.end(), Ch)); }

std::string CutToken(std::string& S, const std::string& Delimiter) {
  size_t p = S.find(Delimiter);
  if (p == std::string::npos || Delimiter.empty()) return std::string();
  std::string token = S.substr(0, p);
  S.erase(0, p + Delimiter.size());
  return token;
}

std::string ConcatStrings(const TStringList& List) {
  std::string r;
  for (int i = 0; i < List.Count(); ++i) r += List[i];
  return r;
}

bool GridRectContains(const TRect& Rect, int Col, int Row) {
  return Rect.Left <= Col && Col <= Rect.Right && Rect.Top <= Row && Row <= Rect.Bottom;
}

int MaxOf(int A, int B) { return A > B ? A : B; }

int MinOf(int A, int B) { return A < B ? A : B; }

int LimitToRange(int Value, int Min, int Max) {
  if (Min == Max) return Value;
  if (Value < Min && Min > 0) return Min;
  if (Value > Max && Max > 0) return Max;
  return Value;
}

bool IsDigitChar(char32_t Ch) { return IsNumberCharacter(Ch); }

bool IsDigitOrMinus(char32_t Ch) { return IsDigitChar(Ch) || Ch == '-'; }

bool IsFloatChar(char32_t Ch) {
  const TFormatSettings fs = FormatSettings();
  return IsDigitChar(Ch) || Ch == static_cast<unsigned char>(fs.ThousandSeparator) ||
         Ch == static_cast<unsigned char>(fs.DecimalSeparator) || Ch == 'e' || Ch == 'E';
}

bool IsSignedFloatChar(char32_t Ch) { return IsFloatChar(Ch) || Ch == '+' || Ch == '-'; }

bool IsAmountChar(char32_t Ch) {
  return IsDigitChar(Ch) || Ch == ',' || Ch == '-' || Ch == '.' || Ch == 'e' || Ch == 'E' || Ch == '+';
}

bool IsWordBreakChar(char32_t Ch) { return Ch == ' ' || Ch == '\'' || Ch == ',' || Ch == '-' || Ch == '.'; }

}  // namespace hd
