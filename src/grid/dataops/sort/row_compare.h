// The comparison of two rows that every sort of the grid is built on: one column under its
// sort style, ties broken through the columns to the right or through the sort index list.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "grid/foundation/grid_types.h"
#include "grid/stringgrid/grid_data_host.h"
#include "grid/stringgrid/grid_settings_data.h"

namespace hd {

// The strict reading of a number: optional leading blanks, an optional sign, digits with an
// optional "." fraction and an optional exponent, using the whole text.
bool ParseSortNumber(const std::string& Text, double& Value);
// Code-unit order of the UTF-16 forms of the two texts: -1, 0 or 1.
int CompareUtf16Order(const std::string& A, const std::string& B);

// What a sort reads of each cell once while no per-comparison event is assigned: the text and
// what the comparisons work out from it, kept per data row as the sort found it. The sort runs
// on an order of data rows, not on the grid: an exchange swaps two entries (and a short summary
// of each row's key kept beside them, so a partition reads its keys in order), and Apply puts
// the order reached into the grid in one step with the exchanges counted.
class TSortCache {
 public:
  // Rows: the grid's rows while sorting; ReadRows: those holding data (the scratch rows below
  // are never read: the pivot's keys are copied from its row). The settings a comparison of
  // two lines reads are taken here: no event can change them while the sort runs.
  TSortCache(TGridDataHost& Host, int Rows, int ReadRows);
  void Swap(int Row1, int Row2);
  void Copy(int FromRow, int ToRow);
  // The rows First..Last of the grid take the data rows the sort has put there; the exchanges
  // since the last Apply are counted as the grid's own would be.
  void Apply(TGridDataHost& Host, int First, int Last);
  void Apply(TGridDataHost& Host) { Apply(Host, 0, FReadRows - 1); }

  struct TCellKey {
    std::string text;
    // The upper-case or the markup-free text, by altKind (0 none, 1 upper, 2 stripped).
    std::string alt;
    double num = 0, date = 0;
    std::intptr_t image = 0;
    TCellType type = ctNone;
    std::int8_t isNumber = -1, displayEmpty = -1, check = -1;
    std::int8_t altKind = 0, numKind = -1, dateStyle = -1;
    bool numOk = false, typeKnown = false, imageKnown = false, read = false;
    // The automatic style's facts about the text.
    bool autoKnown = false, datePos = false, dateDigits = false, timeDigits = false, hasDateSep = false,
         hasTimeSep = false;
  };
  // The row's key as the two commonest comparisons need it: the number under ssNumeric and
  // the first eight bytes of the text compared as text.
  struct THot {
    double num = 0;
    std::uint64_t prefix = 0;
    std::uint8_t flags = 0;
  };
  enum : std::uint8_t {
    kHotNumericStyle = 1,  // compared as the first of two, the row's style is ssNumeric
    kHotAlphaStyle = 2,    // ... a plain text order (case or no case, as the column's)
    kHotNumber = 4,        // num, kHotNumberOk and kHotNumberEmpty hold the ssNumeric reading
    kHotNumberOk = 8,
    kHotNumberEmpty = 16,
    kHotPrefix = 32,  // prefix orders as the text does wherever two prefixes differ
    kHotTextEmpty = 64,
    kHotKnown = 128,  // worked out from the row's key
  };
  struct TColumn {
    int col = 0;
    TSortStyle style = ssAutomatic;
    std::string prefix, suffix;
    std::vector<TCellKey> keys;  // by data row
    std::vector<THot> hot;       // by grid row, moving with the exchanges
  };
  // The column's style and format, taken at its first use.
  TColumn& Column(int ACol) {
    if (ACol == FLastColumn) return *FLast;
    return FindColumn(ACol);
  }
  // A row's key, read from the grid at its first use with every fact the column's style asks
  // of the grid; its summary, worked out at its first use.
  // The keys are kept only once a comparison needs more than the summaries.
  TCellKey& Key(TColumn& Col, int ARow) {
    if (Col.keys.empty()) Col.keys.resize(FId.size());
    const int id = FId[static_cast<std::size_t>(ARow)];
    TCellKey& k = Col.keys[static_cast<std::size_t>(id)];
    if (!k.read) ReadKey(Col, id, k);
    return k;
  }
  THot& Hot(TColumn& Col, int ARow) {
    THot& h = Col.hot[static_cast<std::size_t>(ARow)];
    if (!(h.flags & kHotKnown)) MakeHot(Col, ARow, h);
    return h;
  }
  // The ssNumeric reading of a row worked out where it was not yet.
  void PrepareNumber(TColumn& Col, int ARow);
  // Both rows hold the same data row (the pivot and its source).
  bool SameData(int Row1, int Row2) const {
    return FId[static_cast<std::size_t>(Row1)] == FId[static_cast<std::size_t>(Row2)];
  }
  bool Ignored(int ACol) const {
    return ACol >= 0 && ACol < static_cast<int>(FIgnored.size()) && FIgnored[static_cast<std::size_t>(ACol)];
  }

  // The regional separators, read once.
  char DecimalSeparator, ThousandSeparator, DateSeparator, TimeSeparator;
  // The settings of a line comparison.
  bool Full, IgnoreBlanks;
  TSortBlankPosition BlankPos;
  TSortDirection Direction;
  int ColCount;

 private:
  THot MakeHot(const TColumn& Col, TCellKey& Key) const;
  // The summary of a row, from its kept key or from one read for the purpose.
  void MakeHot(TColumn& Col, int ARow, THot& Hot);
  void ReadKey(TColumn& Col, int Id, TCellKey& Key);
  TColumn& FindColumn(int ACol);

  TGridDataHost& FHost;

  // Which data row each row holds (a scratch row holding the pivot names its source); which
  // data row the grid holds at each row, and at which row the grid holds each data row.
  std::vector<int> FId, FGridId, FGridPos;
  int FReadRows;
  int FPendingSwaps = 0;
  std::vector<char> FIgnored;
  bool FNoCase;
  std::vector<std::unique_ptr<TColumn>> FColumns;
  // The summaries of the columns read so far, which every exchange moves.
  std::vector<std::vector<THot>*> FHotLists;
  int FLastColumn = -1;
  TColumn* FLast = nullptr;
};

class TRowComparer {
 public:
  explicit TRowComparer(TGridDataHost& Host) : FHost(Host) {}

  // 1 when the cell of ARow1 sorts after that of ARow2 ascending, -1 before, 0 equal; the
  // direction only places empty cells.
  int CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction);
  // Ties go to the columns to the right while Full is on.
  int CompareLine(int ACol, int ARow1, int ARow2) {
    if (!FCache) return CompareLineSlow(ACol, ARow1, ARow2);
    const TSortCache& c = *FCache;
    // A row against itself (the pivot against the row it was copied from): every cell is
    // equal, so only the comparisons are counted.
    if (c.SameData(ARow1, ARow2)) return CompareSameRow(ACol);
    for (;; ++ACol) {
      int r = 0;
      if (!c.Ignored(ACol)) {
        ++Compares;
        r = CompareHot(FCache->Column(ACol), ARow1, ARow2, c.Direction);
        if (r == kNotDecided) r = CompareCachedCell(ACol, ARow1, ARow2);
      }
      if (r != 0 || !c.Full || ACol > c.ColCount - 2) return r;
    }
  }
  // The column sort's shortcuts: once every row from L to R of the column is known to
  // compare as a number (or as a plain text with a telling prefix), CompareLine can read the
  // rows' summaries directly; a tie goes the whole way.
  enum TFastColumn { kFastNone, kFastNumbers, kFastTexts };
  TFastColumn PrepareFastColumn(int ACol, int L, int R);
  int CompareLineNumbers(int ACol, int ARow1, int ARow2) {
    using C = TSortCache;
    const C::THot& h1 = FFast->hot[static_cast<std::size_t>(ARow1)];
    const C::THot& h2 = FFast->hot[static_cast<std::size_t>(ARow2)];
    ++Compares;
    bool ok1 = h1.flags & C::kHotNumberOk, ok2 = h2.flags & C::kHotNumberOk;
    double v1 = ok1 ? h1.num : 0, v2 = ok2 ? h2.num : 0;
    int r = !ok1 && !ok2 ? 0 : (v1 > v2 ? 1 : (v1 < v2 ? -1 : 0));
    if (FCache->IgnoreBlanks) {
      bool e1 = h1.flags & C::kHotNumberEmpty, e2 = h2.flags & C::kHotNumberEmpty;
      if (e1 != e2) r = Blank(e1);
    }
    return r != 0 ? r : Tie(ACol, ARow1, ARow2);
  }
  int CompareLineTexts(int ACol, int ARow1, int ARow2) {
    using C = TSortCache;
    const C::THot& h1 = FFast->hot[static_cast<std::size_t>(ARow1)];
    const C::THot& h2 = FFast->hot[static_cast<std::size_t>(ARow2)];
    if (h1.prefix == h2.prefix) return CompareLine(ACol, ARow1, ARow2);
    ++Compares;
    int r = h1.prefix < h2.prefix ? -1 : 1;
    if (FCache->IgnoreBlanks) {
      bool e1 = h1.flags & C::kHotTextEmpty, e2 = h2.flags & C::kHotTextEmpty;
      if (e1 != e2) r = Blank(e1);
    }
    return r;
  }
  // From entry Index of the sort index list on; already turned for descending entries.
  int CompareLineIndexed(int Index, int ARow1, int ARow2);

  // While set, cells are read once through the cache (see TSortCache).
  void SetCache(TSortCache* Cache) {
    FCache = Cache;
    FFast = nullptr;
  }
  TSortCache* Cache() const { return FCache; }

  // Counted at every cell comparison, never reset by the grid.
  int Compares = 0;
  // 1 while sorting ascending, -1 descending, 0 before the first sort.
  int SortDir = 0;

 private:
  int CompareByStyle(TSortStyle Style, int ACol, int ARow1, int ARow2, std::string& T1, std::string& T2,
                     const std::string& Prefix, const std::string& Suffix);
  TSortStyle AutomaticStyle(int ACol, int ARow1, const std::string& T1, const std::string& T2) const;
  int CompareCached(TSortCache::TColumn& Col, int ACol, int ARow1, int ARow2, TSortDirection Direction);
  int CompareLineSlow(int ACol, int ARow1, int ARow2);
  // Where a blank cell goes against a filled one (E1: the first is the blank one).
  int Blank(bool E1) const {
    int first = E1 ? -1 : 1;
    if (FCache->BlankPos == blLast) first = -first;
    return FCache->Direction == sdAscending ? first : -first;
  }
  // The first column compared equal: the rest of the line as CompareLine goes on with it.
  int Tie(int ACol, int ARow1, int ARow2) {
    const TSortCache& c = *FCache;
    if (!c.Full || ACol > c.ColCount - 2) return 0;
    return CompareLine(ACol + 1, ARow1, ARow2);
  }
  int CompareCachedCell(int ACol, int ARow1, int ARow2);
  int CompareSameRow(int ACol);
  // The two commonest cases straight from the rows' summaries; kNotDecided when neither fits.
  static constexpr int kNotDecided = 2;
  int CompareHot(TSortCache::TColumn& Col, int ARow1, int ARow2, TSortDirection Direction) {
    using C = TSortCache;
    C::THot& h1 = FCache->Hot(Col, ARow1);
    C::THot& h2 = FCache->Hot(Col, ARow2);
    int r;
    bool e1, e2;
    if (h1.flags & C::kHotNumericStyle) {
      if (!(h2.flags & C::kHotNumber)) FCache->PrepareNumber(Col, ARow2);
      bool ok1 = h1.flags & C::kHotNumberOk, ok2 = h2.flags & C::kHotNumberOk;
      double v1 = ok1 ? h1.num : 0, v2 = ok2 ? h2.num : 0;
      r = !ok1 && !ok2 ? 0 : (v1 > v2 ? 1 : (v1 < v2 ? -1 : 0));
      e1 = h1.flags & C::kHotNumberEmpty, e2 = h2.flags & C::kHotNumberEmpty;
    } else if ((h1.flags & C::kHotAlphaStyle) && (h1.flags & h2.flags & C::kHotPrefix) && h1.prefix != h2.prefix) {
      r = h1.prefix < h2.prefix ? -1 : 1;
      e1 = h1.flags & C::kHotTextEmpty, e2 = h2.flags & C::kHotTextEmpty;
    } else {
      return kNotDecided;
    }
    if (!FCache->IgnoreBlanks || e1 == e2) return r;
    int first = e1 ? -1 : 1;
    if (FCache->BlankPos == blLast) first = -first;
    return Direction == sdAscending ? first : -first;
  }
  int CompareKeys(TSortStyle Style, int ACol, int ARow1, int ARow2, TSortCache::TColumn& Col, TSortCache::TCellKey& K1,
                  TSortCache::TCellKey& K2);

  TGridDataHost& FHost;
  TSortCache* FCache = nullptr;
  TSortCache::TColumn* FFast = nullptr;
};

}  // namespace hd
