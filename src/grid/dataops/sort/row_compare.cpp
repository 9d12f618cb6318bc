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

using TCellKey = TSortCache::TCellKey;

bool KeyIsNumber(TCellKey& k, char Decimal, char Thousand) {
  if (k.isNumber < 0) k.isNumber = !k.text.empty() && ClassifyNumber(k.text, Decimal, Thousand) != ncNotANumber;
  return k.isNumber == 1;
}

void KeyFacts(TCellKey& k, char DateSep, char TimeSep) {
  if (k.autoKnown) return;
  k.autoKnown = true;
  // Only the first few characters matter, and a plain ASCII text needs no decoding for them.
  thread_local std::u32string text;
  text.clear();
  bool ascii = true;
  for (char ch : k.text) {
    if (static_cast<unsigned char>(ch) >= 0x80) {
      ascii = false;
      break;
    }
    text.push_back(static_cast<char32_t>(ch));
  }
  if (!ascii) text = Utf8ToCodePoints(k.text);
  k.datePos = PositionTwoOrThree(text, DateSep);
  k.dateDigits = SeparatorBetweenDigits(text, DateSep);
  k.timeDigits = SeparatorBetweenDigits(text, TimeSep);
  k.hasDateSep = k.text.find(DateSep) != std::string::npos;
  k.hasTimeSep = k.text.find(TimeSep) != std::string::npos;
}

bool IsCheckKind(TCellType Type) {
  return Type == ctCheckBox || Type == ctDataCheckBox || Type == ctVirtCheckBox || Type == ctRowCheckBox;
}

// numKind: bit 0 financial, bit 1 empty once prepared; -1 before the first use.
void KeyNumber(TCellKey& k, TSortStyle Style, const std::string& Prefix, const std::string& Suffix, char Thousand,
               char Decimal) {
  std::int8_t kind = Style == ssFinancial ? 1 : 0;
  if (k.numKind >= 0 && (k.numKind & 1) == kind) return;
  std::string t = k.text;
  PrepareNumber(t, Style, Prefix, Suffix, Thousand, Decimal);
  double v = 0;
  k.numOk = ParseSortNumber(t, v);
  k.num = v;
  if (!k.numOk) {
    k.numOk = k.displayEmpty == 1;
    k.num = 0;
  }
  k.numKind = static_cast<std::int8_t>(kind | (t.empty() ? 2 : 0));
}

// The first eight bytes, big-endian, zero-padded. Two such prefixes that differ order as the
// UTF-16 forms of their texts unless a byte from EE up (where UTF-16 and byte orders part) or
// a zero byte (which the padding would hide) is among them.
bool TextPrefix(const std::string& Text, std::uint64_t& Prefix) {
  Prefix = 0;
  std::size_t n = std::min<std::size_t>(Text.size(), 8);
  for (std::size_t i = 0; i < n; ++i) {
    auto b = static_cast<unsigned char>(Text[i]);
    if (b == 0 || b >= 0xEE) return false;
    Prefix |= std::uint64_t{b} << (8 * (7 - i));
  }
  return true;
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
  // Up to 15 digits and no exponent: the digits as a whole number and a power of ten are
  // both exact doubles, so one division rounds as strtod does.
  static constexpr double kTens[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  if (digits <= 15) {
    std::size_t k = start;
    bool negative = Text[k] == '-';
    if (Text[k] == '-' || Text[k] == '+') ++k;
    std::int64_t whole = 0;
    int fraction = 0;
    bool point = false, exponent = false;
    for (; k < n; ++k) {
      char ch = Text[k];
      if (ch == '.') {
        point = true;
      } else if (ch == 'e' || ch == 'E') {
        exponent = true;
        break;
      } else {
        whole = whole * 10 + (ch - '0');
        if (point) ++fraction;
      }
    }
    if (!exponent) {
      double v = static_cast<double>(whole) / kTens[fraction];
      Value = negative ? -v : v;
      return true;
    }
  }
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
  if (FCache) {
    TSortCache::TColumn& col = FCache->Column(ACol);
    int r = CompareHot(col, ARow1, ARow2, Direction);
    return r != kNotDecided ? r : CompareCached(col, ACol, ARow1, ARow2, Direction);
  }
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

TSortCache::TSortCache(TGridDataHost& Host, int Rows, int ReadRows)
    : FHost(Host), FReadRows(std::max(std::min(ReadRows, Rows), 0)) {
  DecimalSeparator = LocaleDecimalSeparator();
  ThousandSeparator = LocaleThousandSeparator();
  DateSeparator = LocaleDateSeparator();
  TimeSeparator = LocaleTimeSeparator();
  const TSortSettings& s = Host.SortSettings();
  Full = s.Full();
  IgnoreBlanks = s.IgnoreBlanks();
  BlankPos = s.BlankPos();
  Direction = s.Direction();
  FNoCase = s.IgnoreCase();
  ColCount = Host.ColCount();
  const TIntList& ignore = Host.IgnoreColumns();
  for (int i = 0; i < ignore.Count(); ++i) {
    int c = ignore.Items(i);
    if (c < 0) continue;
    if (c >= static_cast<int>(FIgnored.size())) FIgnored.resize(static_cast<std::size_t>(c) + 1, 0);
    FIgnored[static_cast<std::size_t>(c)] = 1;
  }
  FId.resize(static_cast<std::size_t>(std::max(Rows, 0)));
  for (int r = 0; r < Rows; ++r) FId[static_cast<std::size_t>(r)] = r;
  FGridId.assign(FId.begin(), FId.begin() + FReadRows);
  FGridPos = FGridId;
}

void TSortCache::Swap(int Row1, int Row2) {
  ++FPendingSwaps;
  auto a = static_cast<std::size_t>(Row1), b = static_cast<std::size_t>(Row2);
  std::swap(FId[a], FId[b]);
  for (std::vector<THot>* hot : FHotLists) std::swap((*hot)[a], (*hot)[b]);
}

void TSortCache::Copy(int FromRow, int ToRow) {
  auto from = static_cast<std::size_t>(FromRow), to = static_cast<std::size_t>(ToRow);
  FId[to] = FId[from];
  for (std::vector<THot>* hot : FHotLists) (*hot)[to] = (*hot)[from];
}

void TSortCache::Apply(TGridDataHost& Host, int First, int Last) {
  First = std::max(First, 0);
  Last = std::min(Last, FReadRows - 1);
  int lo = -1, hi = -1;
  for (int p = First; p <= Last; ++p)
    if (FGridId[static_cast<std::size_t>(p)] != FId[static_cast<std::size_t>(p)]) {
      if (lo < 0) lo = p;
      hi = p;
    }
  std::vector<int> from;
  if (lo >= 0) {
    from.resize(static_cast<std::size_t>(hi - lo + 1));
    for (int p = lo; p <= hi; ++p) from[static_cast<std::size_t>(p - lo)] = FGridPos[static_cast<std::size_t>(FId[static_cast<std::size_t>(p)])];
    for (int p = lo; p <= hi; ++p) {
      int id = FId[static_cast<std::size_t>(p)];
      FGridId[static_cast<std::size_t>(p)] = id;
      FGridPos[static_cast<std::size_t>(id)] = p;
    }
  }
  int swaps = FPendingSwaps;
  FPendingSwaps = 0;
  if (swaps > 0 || !from.empty()) Host.SortPermuteRows(std::max(lo, 0), from, swaps);
}

TSortCache::THot TSortCache::MakeHot(const TColumn& Col, TCellKey& k) const {
  THot h;
  h.flags = kHotKnown;
  const TSortStyle style = Col.style;
  const bool alphaColumn = style == ssAutomatic || style == ssAlphabetic || style == ssAlphaNoCase;
  const bool noCase = style == ssAlphaNoCase || (style == ssAutomatic && FNoCase);
  auto number = [&] {
    KeyNumber(k, ssNumeric, Col.prefix, Col.suffix, ThousandSeparator, DecimalSeparator);
    h.num = k.num;
    h.flags |= kHotNumber | (k.numOk ? kHotNumberOk : 0) | ((k.numKind & 2) ? kHotNumberEmpty : 0);
  };
  if (style == ssNumeric) {
    h.flags |= kHotNumericStyle;
    number();
  } else if (style == ssAlphabetic || style == ssAlphaNoCase) {
    h.flags |= kHotAlphaStyle;
  } else if (style == ssAutomatic && !IsCheckKind(k.type)) {
    if (KeyIsNumber(k, DecimalSeparator, ThousandSeparator)) {
      h.flags |= kHotNumericStyle;
      number();
    } else {
      KeyFacts(k, DateSeparator, TimeSeparator);
      if (!k.datePos && !k.timeDigits) h.flags |= kHotAlphaStyle;
    }
  }
  if (alphaColumn) {
    if (noCase && k.altKind != 1) k.alt = UpperCase(k.text), k.altKind = 1;
    if (TextPrefix(noCase ? k.alt : k.text, h.prefix)) h.flags |= kHotPrefix;
    if (k.text.empty()) h.flags |= kHotTextEmpty;
  }
  return h;
}

void TSortCache::MakeHot(TColumn& Col, int ARow, THot& Hot) {
  const int id = FId[static_cast<std::size_t>(ARow)];
  if (!Col.keys.empty()) {
    Hot = MakeHot(Col, Key(Col, ARow));
    return;
  }
  TCellKey k;
  ReadKey(Col, id, k);
  Hot = MakeHot(Col, k);
}

void TSortCache::PrepareNumber(TColumn& Col, int ARow) {
  THot& h = Hot(Col, ARow);
  TCellKey temporary;
  TCellKey* key = &temporary;
  if (!Col.keys.empty())
    key = &Key(Col, ARow);
  else
    ReadKey(Col, FId[static_cast<std::size_t>(ARow)], temporary);
  TCellKey& k = *key;
  KeyNumber(k, ssNumeric, Col.prefix, Col.suffix, ThousandSeparator, DecimalSeparator);
  h.num = k.num;
  h.flags |= kHotNumber | (k.numOk ? kHotNumberOk : 0) | ((k.numKind & 2) ? kHotNumberEmpty : 0);
}

TSortCache::TColumn& TSortCache::FindColumn(int ACol) {
  FLastColumn = ACol;
  if (ACol < static_cast<int>(FColumns.size()) && FColumns[static_cast<std::size_t>(ACol)])
    return *(FLast = FColumns[static_cast<std::size_t>(ACol)].get());
  if (ACol >= static_cast<int>(FColumns.size())) FColumns.resize(static_cast<std::size_t>(ACol) + 1);
  std::unique_ptr<TColumn>& col = FColumns[static_cast<std::size_t>(ACol)];
  col = std::make_unique<TColumn>();
  col->col = ACol;
  const TSortSettings& s = FHost.SortSettings();
  col->style = s.AutoFormat() ? ssAutomatic : (s.IgnoreCase() ? ssAlphaNoCase : ssAlphabetic);
  FHost.GetColFormat(ACol, col->style, col->prefix, col->suffix);
  col->hot.resize(FId.size());
  FHotLists.push_back(&col->hot);
  FLast = col.get();
  return *col;
}

void TSortCache::ReadKey(TColumn& Col, int Id, TCellKey& k) {
  k.read = true;
  // Scratch rows hold no data of their own.
  if (Id >= FReadRows) return;
  // The grid holds the data row where the last Apply put it.
  const int row = FGridPos[static_cast<std::size_t>(Id)], ACol = Col.col;
  TGridDataHost& Host = FHost;
  const TSortStyle style = Col.style;
  const bool displayed = Host.SortSettings().SortOnVirtualCells();
  k.text = displayed ? Host.DisplayText(ACol, row) : Host.StoredText(ACol, row);
  k.displayEmpty = (displayed ? k.text.empty() : Host.DisplayText(ACol, row).empty()) ? 1 : 0;
  bool checkKind = false;
  if (style == ssAutomatic) {
    k.type = Host.CellType(ACol, row);
    k.typeKnown = true;
    checkKind = IsCheckKind(k.type);
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

// The same steps as the uncached comparison, each fact about a cell worked out once.
int TRowComparer::CompareCached(TSortCache::TColumn& col, int ACol, int ARow1, int ARow2, TSortDirection Direction) {
  TSortCache& cache = *FCache;
  TSortCache::TCellKey& k1 = cache.Key(col, ARow1);
  TSortCache::TCellKey& k2 = cache.Key(col, ARow2);
  auto isNumber = [&cache](TSortCache::TCellKey& k) { return KeyIsNumber(k, cache.DecimalSeparator, cache.ThousandSeparator); };
  TSortStyle style = col.style;
  if (style == ssAutomatic) {
    auto facts = [&cache](TSortCache::TCellKey& k) { KeyFacts(k, cache.DateSeparator, cache.TimeSeparator); };
    if (IsCheckKind(k1.type)) {
      style = ssCheckBox;
    } else if (isNumber(k1)) {
      style = ssNumeric;
    } else {
      TSortStyle alpha = FHost.SortSettings().IgnoreCase() ? ssAlphaNoCase : ssAlphabetic;
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
  if (!cache.IgnoreBlanks || e1 == e2) return r;
  int first = e1 ? -1 : 1;
  if (cache.BlankPos == blLast) first = -first;
  return Direction == sdAscending ? first : -first;
}

int TRowComparer::CompareKeys(TSortStyle Style, int ACol, int ARow1, int ARow2, TSortCache::TColumn& Col,
                              TSortCache::TCellKey& K1, TSortCache::TCellKey& K2) {
  switch (Style) {
    case ssNumeric:
    case ssFinancial: {
      auto number = [&](TSortCache::TCellKey& k) {
        KeyNumber(k, Style, Col.prefix, Col.suffix, FCache->ThousandSeparator, FCache->DecimalSeparator);
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

int TRowComparer::CompareLineSlow(int ACol, int ARow1, int ARow2) {
  const TSortSettings& s = FHost.SortSettings();
  for (;; ++ACol) {
    int r = FHost.IgnoreColumns().HasValue(ACol) ? 0 : CompareCells(ACol, ARow1, ARow2, s.Direction());
    if (r != 0 || !s.Full() || ACol > FHost.ColCount() - 2) return r;
  }
}

TRowComparer::TFastColumn TRowComparer::PrepareFastColumn(int ACol, int L, int R) {
  FFast = nullptr;
  if (!FCache || FCache->Ignored(ACol) || L > R) return kFastNone;
  TSortCache::TColumn& col = FCache->Column(ACol);
  bool numbers = true, texts = true;
  for (int r = L; r <= R && (numbers || texts); ++r) {
    TSortCache::THot& h = FCache->Hot(col, r);
    numbers = numbers && (h.flags & TSortCache::kHotNumericStyle) && (h.flags & TSortCache::kHotNumber);
    texts = texts && (h.flags & TSortCache::kHotAlphaStyle) && (h.flags & TSortCache::kHotPrefix);
  }
  if (!numbers && !texts) return kFastNone;
  FFast = &col;
  return numbers ? kFastNumbers : kFastTexts;
}

int TRowComparer::CompareCachedCell(int ACol, int ARow1, int ARow2) {
  TSortCache::TColumn& col = FCache->Column(ACol);
  return CompareCached(col, ACol, ARow1, ARow2, FCache->Direction);
}

int TRowComparer::CompareSameRow(int ACol) {
  const TSortCache& c = *FCache;
  for (int last = c.Full ? std::max(ACol, c.ColCount - 1) : ACol; ACol <= last; ++ACol)
    if (!c.Ignored(ACol)) ++Compares;
  return 0;
}

int TRowComparer::CompareLineIndexed(int Index, int ARow1, int ARow2) {
  const TSortSettings& s = FHost.SortSettings();
  const TSortIndexList& list = FHost.SortIndexes();
  if (FCache && FCache->SameData(ARow1, ARow2)) {
    for (int last = s.Full() ? std::max(Index, list.Count() - 1) : Index; Index <= last; ++Index)
      if (!FHost.IgnoreColumns().HasValue(static_cast<int>(static_cast<unsigned>(list.Items(Index)) & 0x7FFFFFFFu))) ++Compares;
    return 0;
  }
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
