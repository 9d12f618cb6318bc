#include "grid/dataops/sort/row_compare.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <utility>

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

// The text under the numeric styles: suffix, then prefix removed once, the thousands removed for
// ssFinancial, the first decimal separator made ".".
void PrepareNumber(std::string& T, TSortStyle Style, const std::string& Prefix, const std::string& Suffix,
                   char Thousand, char Decimal) {
  RemoveFirst(T, Suffix);
  RemoveFirst(T, Prefix);
  if (Style == ssFinancial) RemoveAll(T, Thousand);
  if (Decimal != '.')
    if (std::size_t at = T.find(Decimal); at != std::string::npos) T[at] = '.';
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
  // Up to the first differing byte the texts agree; the characters there order by their
  // bytes unless one lies above U+FFFF (lead F0-F4) and the other in E000-FFFF (lead EE, EF).
  std::size_t n0 = std::min(A.size(), B.size()), i0 = 0;
  while (i0 < n0 && A[i0] == B[i0]) ++i0;
  if (i0 == n0) return A.size() == B.size() ? 0 : (A.size() < B.size() ? -1 : 1);
  std::size_t lead = i0;
  while (lead > 0 && (static_cast<unsigned char>(A[lead]) & 0xC0) == 0x80) --lead;
  auto la = static_cast<unsigned char>(A[lead]), lb = static_cast<unsigned char>(B[lead]);
  bool mixed = (la >= 0xF0 && (lb == 0xEE || lb == 0xEF)) || (lb >= 0xF0 && (la == 0xEE || la == 0xEF));
  if (!mixed && la < 0xF8 && lb < 0xF8) return static_cast<unsigned char>(A[i0]) < static_cast<unsigned char>(B[i0]) ? -1 : 1;
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
      PrepareNumber(T1, Style, Prefix, Suffix, LocaleThousandSeparator(), LocaleDecimalSeparator());
      PrepareNumber(T2, Style, Prefix, Suffix, LocaleThousandSeparator(), LocaleDecimalSeparator());
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
  if (FCache) return CompareCached(ACol, ARow1, ARow2, Direction);
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

TSortCache::TSortCache(int Rows, int ReadRows) : FReadRows(std::min(ReadRows, Rows)) {
  DecimalSeparator = LocaleDecimalSeparator();
  ThousandSeparator = LocaleThousandSeparator();
  DateSeparator = LocaleDateSeparator();
  TimeSeparator = LocaleTimeSeparator();
  FId.resize(static_cast<std::size_t>(std::max(Rows, 0)));
  for (int r = 0; r < Rows; ++r) FId[static_cast<std::size_t>(r)] = r;
  FRowOf = FId;
}

void TSortCache::Swap(int Row1, int Row2) {
  auto a = static_cast<std::size_t>(Row1), b = static_cast<std::size_t>(Row2);
  std::swap(FId[a], FId[b]);
  FRowOf[static_cast<std::size_t>(FId[a])] = Row1;
  FRowOf[static_cast<std::size_t>(FId[b])] = Row2;
  for (const std::unique_ptr<TColumn>& col : FColumns)
    if (col) std::swap(col->keys[a], col->keys[b]);
}

void TSortCache::Copy(int FromRow, int ToRow) {
  auto from = static_cast<std::size_t>(FromRow), to = static_cast<std::size_t>(ToRow);
  FId[to] = FId[from];
  for (const std::unique_ptr<TColumn>& col : FColumns)
    if (col) col->keys[to] = col->keys[from];
}

TSortCache::TColumn& TSortCache::Column(TGridDataHost& Host, int ACol) {
  if (ACol >= static_cast<int>(FColumns.size())) FColumns.resize(static_cast<std::size_t>(ACol) + 1);
  std::unique_ptr<TColumn>& col = FColumns[static_cast<std::size_t>(ACol)];
  if (col) return *col;
  col = std::make_unique<TColumn>();
  const TSortSettings& s = Host.SortSettings();
  col->style = s.AutoFormat() ? ssAutomatic : (s.IgnoreCase() ? ssAlphaNoCase : ssAlphabetic);
  Host.GetColFormat(ACol, col->style, col->prefix, col->suffix);
  col->keys.resize(FId.size());
  const bool displayed = s.SortOnVirtualCells();
  const TSortStyle style = col->style;
  for (int row = 0; row < FReadRows; ++row) {
    TCellKey& k = col->keys[static_cast<std::size_t>(row)];
    k.text = displayed ? Host.DisplayText(ACol, row) : Host.StoredText(ACol, row);
    k.displayEmpty = (displayed ? k.text.empty() : Host.DisplayText(ACol, row).empty()) ? 1 : 0;
    bool checkKind = false;
    if (style == ssAutomatic) {
      k.type = Host.CellType(ACol, row);
      k.typeKnown = true;
      checkKind = k.type == ctCheckBox || k.type == ctDataCheckBox || k.type == ctVirtCheckBox || k.type == ctRowCheckBox;
    }
    if (checkKind || style == ssCheckBox) {
      bool state = false;
      Host.CheckBoxState(ACol, row, state);
      k.check = state ? 1 : 0;
    }
    if (style == ssImages) {
      k.image = Host.CellImageKey(ACol, row);
      k.imageKnown = true;
    }
    if (style == ssHTML) {
      k.alt = Host.StrippedText(ACol, row);
      k.altKind = 2;
    }
  }
  // A scratch row standing for a data row (the pivot) takes that row's keys.
  for (std::size_t r = static_cast<std::size_t>(FReadRows); r < FId.size(); ++r)
    if (FId[r] < FReadRows) col->keys[r] = col->keys[static_cast<std::size_t>(FRowOf[static_cast<std::size_t>(FId[r])])];
  return *col;
}

// The same steps as the uncached comparison, each fact about a cell worked out once.
int TRowComparer::CompareCached(int ACol, int ARow1, int ARow2, TSortDirection Direction) {
  const TSortSettings& s = FHost.SortSettings();
  TSortCache::TColumn& col = FCache->Column(FHost, ACol);
  TSortCache::TCellKey& k1 = FCache->Key(col, ARow1);
  TSortCache::TCellKey& k2 = FCache->Key(col, ARow2);
  TSortCache& cache = *FCache;
  auto isNumber = [&cache](TSortCache::TCellKey& k) {
    if (k.isNumber < 0)
      k.isNumber = !k.text.empty() && ClassifyNumber(k.text, cache.DecimalSeparator, cache.ThousandSeparator) != ncNotANumber;
    return k.isNumber == 1;
  };
  TSortStyle style = col.style;
  if (style == ssAutomatic) {
    auto facts = [&cache](TSortCache::TCellKey& k) {
      if (k.autoKnown) return;
      k.autoKnown = true;
      char dateSep = cache.DateSeparator, timeSep = cache.TimeSeparator;
      std::u32string text = Utf8ToCodePoints(k.text);
      k.datePos = PositionTwoOrThree(text, dateSep);
      k.dateDigits = SeparatorBetweenDigits(text, dateSep);
      k.timeDigits = SeparatorBetweenDigits(text, timeSep);
      k.hasDateSep = k.text.find(dateSep) != std::string::npos;
      k.hasTimeSep = k.text.find(timeSep) != std::string::npos;
    };
    switch (k1.type) {
      case ctCheckBox:
      case ctDataCheckBox:
      case ctVirtCheckBox:
      case ctRowCheckBox:
        style = ssCheckBox;
        break;
      default:
        if (isNumber(k1)) {
          style = ssNumeric;
          break;
        }
        TSortStyle alpha = s.IgnoreCase() ? ssAlphaNoCase : ssAlphabetic;
        facts(k1);
        if (k1.datePos) {
          facts(k2);
          style = !k1.dateDigits || !k2.hasDateSep ? alpha : (k1.hasTimeSep ? ssDateTime : ssDate);
        } else {
          if (k1.timeDigits) facts(k2);
          style = k1.timeDigits && k2.hasTimeSep ? ssTime : alpha;
        }
    }
  }
  if (style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
    bool numbers = isNumber(k1) && isNumber(k2);
    style = numbers ? ssNumeric : (style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase);
  }
  int r = CompareKeys(style, ACol, ARow1, ARow2, col, k1, k2);
  // The blank test sees the texts as the comparison left them (numbers prepared, markup gone).
  bool e1 = k1.text.empty(), e2 = k2.text.empty();
  if (style == ssNumeric || style == ssFinancial)
    e1 = k1.numKind & 2, e2 = k2.numKind & 2;
  else if (style == ssHTML)
    e1 = k1.alt.empty(), e2 = k2.alt.empty();
  if (!s.IgnoreBlanks() || e1 == e2) return r;
  int first = e1 ? -1 : 1;
  if (s.BlankPos() == blLast) first = -first;
  return Direction == sdAscending ? first : -first;
}

int TRowComparer::CompareKeys(TSortStyle Style, int ACol, int ARow1, int ARow2, TSortCache::TColumn& Col,
                              TSortCache::TCellKey& K1, TSortCache::TCellKey& K2) {
  switch (Style) {
    case ssNumeric:
    case ssFinancial: {
      // numKind: bit 0 financial, bit 1 empty once prepared; -1 before the first use.
      auto number = [&](TSortCache::TCellKey& k) {
        std::int8_t kind = Style == ssFinancial ? 1 : 0;
        if (k.numKind < 0 || (k.numKind & 1) != kind) {
          std::string t = k.text;
          PrepareNumber(t, Style, Col.prefix, Col.suffix, FCache->ThousandSeparator, FCache->DecimalSeparator);
          double v = 0;
          k.numOk = ParseSortNumber(t, v);
          k.num = v;
          if (!k.numOk) {
            k.numOk = k.displayEmpty == 1;
            k.num = 0;
          }
          k.numKind = static_cast<std::int8_t>(kind | (t.empty() ? 2 : 0));
        }
      };
      number(K1);
      number(K2);
      if (!K1.numOk && !K2.numOk) return 0;
      return Sign(K1.numOk ? K1.num : 0, K2.numOk ? K2.num : 0);
    }
    case ssDate:
    case ssDateTime:
    case ssTime:
    case ssShortDateEU:
    case ssShortDateUS: {
      auto date = [&](TSortCache::TCellKey& k) {
        if (k.dateStyle != static_cast<std::int8_t>(Style)) {
          k.date = ToDate(k.text, Style);
          k.dateStyle = static_cast<std::int8_t>(Style);
        }
        return k.date;
      };
      double d1 = date(K1);
      return Sign(d1, date(K2));
    }
    case ssAlphaNoCase: {
      for (TSortCache::TCellKey* k : {&K1, &K2})
        if (k->altKind != 1) k->alt = UpperCase(k->text), k->altKind = 1;
      return CompareUtf16Order(K1.alt, K2.alt);
    }
    case ssCustom: {
      int res = 0;
      FHost.CustomCompare(K1.text, K2.text, res);
      return res;
    }
    case ssAnsiAlphaCase:
      return LocaleCompare(K1.text, K2.text, true);
    case ssAnsiAlphaNoCase:
      return LocaleCompare(K1.text, K2.text, false);
    case ssRaw: {
      int res = 0;
      FHost.RawCompare(ACol, ARow1, ARow2, res);
      return res;
    }
    case ssHTML:
      return CompareUtf16Order(K1.alt, K2.alt);
    case ssImages:
      return Sign(static_cast<double>(K1.image), static_cast<double>(K2.image));
    case ssCheckBox:
      return Sign(K1.check == 1, K2.check == 1);
    default:
      return CompareUtf16Order(K1.text, K2.text);
  }
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
