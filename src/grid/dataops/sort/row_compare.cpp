#include "grid/dataops/sort/row_compare.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>

#include "grid/foundation/filter_match.h"
#include "grid/foundation/text_utils.h"
#include "platform/collation.h"
#include "platform/dateutils.h"
#include "platform/sysutils.h"

namespace hd {
namespace {

int Sign(double A, double B) { return A > B ? 1 : (A < B ? -1 : 0); }

bool IsNumber(const std::string& Text) { return !Text.empty() && ClassifyNumber(Text) != ncNotANumber; }

void RemoveFirst(std::string& Text, const std::string& Part) {
  if (Part.empty()) return;
  if (std::size_t at = Text.find(Part); at != std::string::npos) Text.erase(at, Part.size());
}

void RemoveAll(std::string& Text, char Ch) { std::erase(Text, Ch); }

TDateTime ToDate(const std::string& Text, TSortStyle Style) {
  TDateTime value = 0;
  switch (Style) {
    case ssShortDateEU:
      return ShortDateEUToDate(Text);
    case ssShortDateUS:
      return ShortDateUSToDate(Text);
    case ssTime:
      return TryStrToTime(Text, value) ? value : 0;
    default:
      if (Text.empty()) return 0;
      return TryStrToDateTime(Text, value) ? value : 0;
  }
}

// The separator stands at 1-based position 2 or 3 with number characters on both sides.
bool SeparatorBetweenDigits(const std::u32string& Text, char Separator) {
  std::size_t at = Text.find(static_cast<char32_t>(static_cast<unsigned char>(Separator)));
  if (at == std::u32string::npos) return false;
  std::size_t p = at + 1;
  if ((p != 2 && p != 3) || Text.size() <= p) return false;
  return IsDigitChar(Text[at - 1]) && IsDigitChar(Text[at + 1]);
}

bool PositionTwoOrThree(const std::u32string& Text, char Separator) {
  std::size_t at = Text.find(static_cast<char32_t>(static_cast<unsigned char>(Separator)));
  return at != std::u32string::npos && (at + 1 == 2 || at + 1 == 3) && Text.size() > at + 1;
}

}  // namespace

bool ParseSortNumber(const std::string& Text, double& Value) {
  std::size_t i = 0, n = Text.size();
  while (i < n && Text[i] == ' ') ++i;
  std::size_t start = i;
  if (i < n && (Text[i] == '+' || Text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < n && std::isdigit(static_cast<unsigned char>(Text[i]))) ++i, ++digits;
  if (i < n && Text[i] == '.') {
    ++i;
    while (i < n && std::isdigit(static_cast<unsigned char>(Text[i]))) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < n && (Text[i] == 'e' || Text[i] == 'E')) {
    ++i;
    if (i < n && (Text[i] == '+' || Text[i] == '-')) ++i;
    std::size_t exp = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(Text[i]))) ++i, ++exp;
    if (exp == 0) return false;
  }
  if (i != n) return false;
  Value = std::strtod(Text.c_str() + start, nullptr);
  return true;
}

int CompareUtf16Order(const std::string& A, const std::string& B) {
  // UTF-8 bytes order as code points; UTF-16 differs only where a character above U+FFFF
  // (a surrogate pair, D800-DFFF) meets one of E000-FFFF, so only such pairs are mapped.
  std::u32string a = Utf8ToCodePoints(A), b = Utf8ToCodePoints(B);
  auto unit = [](char32_t c) -> std::uint32_t { return c >= 0x10000 ? 0xD800 + ((c - 0x10000) >> 10) : c; };
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (a[i] == b[i]) continue;
    std::uint32_t ua = unit(a[i]), ub = unit(b[i]);
    if (ua != ub) return ua < ub ? -1 : 1;
    return a[i] < b[i] ? -1 : 1;  // same high surrogate: the low one orders as the code point
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

TSortStyle TRowComparer::AutomaticStyle(int ACol, int ARow1, const std::string& T1, const std::string& T2) const {
  switch (FHost.CellType(ACol, ARow1)) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
      return ssCheckBox;
    default:
      break;
  }
  if (IsNumber(T1)) return ssNumeric;
  TSortStyle alpha = FHost.SortSettings().IgnoreCase() ? ssAlphaNoCase : ssAlphabetic;
  std::u32string text1 = Utf8ToCodePoints(T1);
  char dateSep = LocaleDateSeparator(), timeSep = LocaleTimeSeparator();
  if (PositionTwoOrThree(text1, dateSep)) {
    if (!SeparatorBetweenDigits(text1, dateSep) || T2.find(dateSep) == std::string::npos) return alpha;
    return T1.find(timeSep) != std::string::npos ? ssDateTime : ssDate;
  }
  if (SeparatorBetweenDigits(text1, timeSep) && T2.find(timeSep) != std::string::npos) return ssTime;
  return alpha;
}

int TRowComparer::CompareByStyle(TSortStyle Style, int ACol, int ARow1, int ARow2, std::string& T1, std::string& T2,
                                 const std::string& Prefix, const std::string& Suffix) {
  switch (Style) {
    case ssNumeric:
    case ssFinancial: {
      RemoveFirst(T1, Suffix), RemoveFirst(T2, Suffix);
      RemoveFirst(T1, Prefix), RemoveFirst(T2, Prefix);
      if (Style == ssFinancial) RemoveAll(T1, LocaleThousandSeparator()), RemoveAll(T2, LocaleThousandSeparator());
      if (char dec = LocaleDecimalSeparator(); dec != '.') {
        for (std::string* t : {&T1, &T2})
          if (std::size_t at = t->find(dec); at != std::string::npos) (*t)[at] = '.';
      }
      double v1 = 0, v2 = 0;
      bool ok1 = ParseSortNumber(T1, v1) || FHost.DisplayText(ACol, ARow1).empty();
      bool ok2 = ParseSortNumber(T2, v2) || FHost.DisplayText(ACol, ARow2).empty();
      if (!ok1 && !ok2) return 0;
      // A text that is no number counts as 0 against one that is.
      return Sign(ok1 ? v1 : 0, ok2 ? v2 : 0);
    }
    case ssDate:
    case ssDateTime:
    case ssTime:
    case ssShortDateEU:
    case ssShortDateUS:
      return Sign(ToDate(T1, Style), ToDate(T2, Style));
    case ssAlphaNoCase:
      T1 = UpperCase(T1), T2 = UpperCase(T2);
      return CompareUtf16Order(T1, T2);
    case ssCustom: {
      int res = 0;
      FHost.CustomCompare(T1, T2, res);
      return res;
    }
    case ssAnsiAlphaCase:
      return LocaleCompare(T1, T2, true);
    case ssAnsiAlphaNoCase:
      return LocaleCompare(T1, T2, false);
    case ssRaw: {
      int res = 0;
      FHost.RawCompare(ACol, ARow1, ARow2, res);
      return res;
    }
    case ssHTML:
      T1 = FHost.StrippedText(ACol, ARow1), T2 = FHost.StrippedText(ACol, ARow2);
      return CompareUtf16Order(T1, T2);
    case ssImages:
      return Sign(FHost.CellImageKey(ACol, ARow1), FHost.CellImageKey(ACol, ARow2));
    case ssCheckBox: {
      bool s1 = false, s2 = false;
      FHost.CheckBoxState(ACol, ARow1, s1);
      FHost.CheckBoxState(ACol, ARow2, s2);
      return Sign(s1, s2);
    }
    default:
      return CompareUtf16Order(T1, T2);
  }
}

int TRowComparer::CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction) {
  ++Compares;
  const TSortSettings& s = FHost.SortSettings();
  TSortStyle style = s.AutoFormat() ? ssAutomatic : (s.IgnoreCase() ? ssAlphaNoCase : ssAlphabetic);
  std::string prefix, suffix;
  FHost.GetColFormat(ACol, style, prefix, suffix);
  bool displayed = s.SortOnVirtualCells();
  std::string t1 = displayed ? FHost.DisplayText(ACol, ARow1) : FHost.StoredText(ACol, ARow1);
  std::string t2 = displayed ? FHost.DisplayText(ACol, ARow2) : FHost.StoredText(ACol, ARow2);
  if (style == ssAutomatic) style = AutomaticStyle(ACol, ARow1, t1, t2);
  if (style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
    bool numbers = IsNumber(t1) && IsNumber(t2);
    style = numbers ? ssNumeric : (style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase);
  }
  int r = CompareByStyle(style, ACol, ARow1, ARow2, t1, t2, prefix, suffix);
  if (!s.IgnoreBlanks() || t1.empty() == t2.empty()) return r;
  // Empty cells go first (blFirst) or last (blLast) whichever way the sort runs.
  int first = t1.empty() ? -1 : 1;
  if (s.BlankPos() == blLast) first = -first;
  return Direction == sdAscending ? first : -first;
}

int TRowComparer::CompareLine(int ACol, int ARow1, int ARow2) {
  const TSortSettings& s = FHost.SortSettings();
  for (;; ++ACol) {
    int r = FHost.IgnoreColumns().HasValue(ACol) ? 0 : CompareCells(ACol, ARow1, ARow2, s.Direction());
    if (r != 0 || !s.Full() || ACol > FHost.ColCount() - 2) return r;
  }
}

int TRowComparer::CompareLineIndexed(int Index, int ARow1, int ARow2) {
  const TSortSettings& s = FHost.SortSettings();
  const TSortIndexList& list = FHost.SortIndexes();
  for (;; ++Index) {
    unsigned entry = static_cast<unsigned>(list.Items(Index));
    int col = static_cast<int>(entry & 0x7FFFFFFFu);
    bool descending = (entry & 0x80000000u) != 0;
    int r = FHost.IgnoreColumns().HasValue(col)
                ? 0
                : CompareCells(col, ARow1, ARow2, descending ? sdDescending : sdAscending);
    if (r == 0 && s.Full()) {
      if (Index < list.Count() - 1) continue;
      return 0;
    }
    return descending ? -r : r;
  }
}

}  // namespace hd
